#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fenwake {

// Breaks a text into lines of at most this many characters, between words: a tool tip or a note
// reads well at forty to sixty a line, on any screen and in any language, where the toolkit
// would wrap only what is wider than the screen. Line breaks already in the text stay; a word
// longer than a line stands on a line of its own. Characters are counted as code points of the
// UTF-8 text.
std::string wrapLines(std::string_view text, std::size_t lineLength);

} // namespace fenwake
