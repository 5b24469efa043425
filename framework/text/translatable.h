#pragma once

// Marks a text of the program's that the desktop's language may replace. The text is its own
// id: where no translation is installed (in English, in the C locale) it shows exactly as
// written. lupdate collects every text so marked, and every text handed to translated(),
// into the translation files of translations/.
#define TRANSLATABLE(text) text

#include <string>
#include <utility>
#include <vector>

namespace fenwake {

// A text of the program's to be said later, in the language of the one who says it: its id
// (the English text, with %1, %2, ... where the arguments go) and the arguments. Code that
// knows no language (the history, say) hands these to code that does.
struct TranslatableText {
    std::string id;
    std::vector<std::string> arguments;

    bool empty() const { return id.empty(); }
    bool operator==(const TranslatableText&) const = default;
};

// A sentence already in the desktop's language, said as it is.
inline TranslatableText asSaid(std::string words) {
    return {"%1", {std::move(words)}};
}

// A sentence of the program's, to be said later: its id and its arguments.
inline TranslatableText sentence(const char* id, std::vector<std::string> arguments = {}) {
    return {id, std::move(arguments)};
}

} // namespace fenwake
