#pragma once

#include <QLocale>

namespace fenwake {

// Dates as the desktop writes them, in the language of the program's texts: the desktop's own
// format when it speaks that language, else that language's usual one.
QLocale dateLocale();

} // namespace fenwake
