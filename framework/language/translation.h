#pragma once

// framework/language: the desktop's language for the program's texts and for Qt's own, and
// the decimal point the figures show with. It uses Qt Core; every other part of the framework
// and the program may use it.

#include "framework/text/translatable.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace fenwake {

// The program's texts in the desktop's language. A translation is a Qt translation file,
// fenwake_<language>.qm, built from translations/fenwake_<language>.ts and carried in the
// program; Qt's own (its context menus, its standard buttons) comes from Qt's installed
// translations. In a language the program has no translation for, every text stays English
// and numbers keep their point.
class Translation {
public:
    // For the first of the desktop's languages with a translation of the program: installs
    // it, and Qt's own for the desktop's first language. Once the QApplication exists.
    static void installForDesktop();
    // Installs one language ("de", "fr"); false, and English, when the program has none for it.
    // The empty name goes back to English.
    static bool install(std::string_view language);

    // The text with its %1, %2, ... replaced by the arguments, in order.
    static std::string fill(std::string_view pattern, std::initializer_list<std::string> arguments);
    static std::string fill(std::string_view pattern, const std::vector<std::string>& arguments);
    // A sentence of the program's in the desktop's language, its arguments filled in; empty for
    // none.
    static std::string inWords(const TranslatableText& text);
    // A number's text (written with a point, as the settings file keeps it) with the decimal
    // point of the language in use: "15,51" in German and French.
    static std::string number(std::string text);

    // A moment as the wall clock showed it then (the offset from UTC it had), in the format of
    // the language in use: the date and the time to the minute ("08/12/2026 14:05"), or the
    // date in words ("8 December 2026").
    // With its seconds when asked: two entries of one minute read apart.
    static std::string dateTime(std::int64_t utcMilliseconds, int utcOffsetMinutes,
                                bool seconds = false);
    static std::string longDate(std::int64_t utcMilliseconds, int utcOffsetMinutes);
};

// The text in the desktop's language; the id (the English text) when it has no translation.
std::string translated(std::string_view id);

} // namespace fenwake
