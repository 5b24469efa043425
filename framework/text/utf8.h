#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fenwake {

// UTF-8 from code points and back, for the texts the framework reads out of binary and
// INI resources. Surrogates and values beyond U+10FFFF are not characters: they become
// U+FFFD, as do bytes that are not UTF-8.
void appendUtf8(std::string& text, char32_t codePoint);
std::vector<char32_t> decodeUtf8(std::string_view text);

} // namespace fenwake
