#pragma once

// framework/text: numbers to text and back, UTF-8 and blanks, for every layer that shows or
// stores a number. Standard library only, like the engine: it builds without Qt.

#include <optional>
#include <string>
#include <string_view>

namespace fenwake {

// Numbers to text and back without the C locale: a German or French desktop gives the same
// texts as an English one. Non-finite values print as "inf", "-inf" and "nan", never "-nan".
class NumberText {
public:
    // Fixed point with exactly two decimals, as the list and the stored settings show it.
    static std::string twoDecimals(double value);

    // Fifteen significant digits, the shortest form that still round-trips what a person
    // typed: 81.81818181818181 shows as 81.8181818181818 and 1e20 as 1e+20.
    static std::string editText(double value);

    // The stored-number rule: blanks, then the longest leading decimal number (sign, digits,
    // point, fraction, exponent); whatever follows is ignored, and no number at all gives 0.
    // "inf", "nan" and hexadecimal are not numbers. Out of range rounds to +-inf or +-0.
    static double readLeadingNumber(std::string_view text);

    // The edit rule: the whole text, blanks around it allowed, must be one finite decimal
    // number. A comma is the decimal point when the text has no '.'. A number too small
    // for a double reads as 0; one too large is not a number.
    static std::optional<double> readEditNumber(std::string_view text);
};

} // namespace fenwake
