#include "framework/text/number_text.h"

#include "framework/text/blanks.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace fenwake {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at;
}

// Length of the longest prefix of text that is a decimal number, 0 when there is none.
std::size_t decimalNumberLength(std::string_view text) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const std::size_t integerStart = at;
    at = skipDigits(text, at);
    std::size_t mantissaDigits = at - integerStart;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionStart = at + 1;
        const std::size_t fractionEnd = skipDigits(text, fractionStart);
        mantissaDigits += fractionEnd - fractionStart;
        at = fractionEnd;
    }
    if (mantissaDigits == 0) {
        return 0;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent) {
            at = exponentEnd;
        }
    }
    return at;
}

// Whether a decimal number that overflowed or underflowed was large (|x| >= 1) or small.
bool magnitudeAtLeastOne(std::string_view number) {
    std::size_t at = (number[0] == '+' || number[0] == '-') ? 1 : 0;
    long long scale = 0; // decimal position of the first significant digit, plus one
    bool seenSignificant = false;
    bool inFraction = false;
    for (; at < number.size() && number[at] != 'e' && number[at] != 'E'; ++at) {
        if (number[at] == '.') {
            inFraction = true;
        } else if (!seenSignificant && number[at] != '0') {
            seenSignificant = true;
        } else if (!seenSignificant && inFraction) {
            --scale;
        }
        if (seenSignificant && !inFraction) {
            ++scale;
        }
    }
    long long exponent = 0;
    if (at < number.size()) {
        std::size_t digit = at + 1;
        const bool negative = digit < number.size() && number[digit] == '-';
        if (digit < number.size() && (number[digit] == '+' || number[digit] == '-')) {
            ++digit;
        }
        for (; digit < number.size() && exponent < 1'000'000'000; ++digit) {
            exponent = exponent * 10 + (number[digit] - '0');
        }
        exponent = negative ? -exponent : exponent;
    }
    return scale + exponent > 0;
}

// Converts a text that decimalNumberLength accepted whole, rounding as IEEE does.
double convertDecimal(std::string_view number) {
    const bool negative = number[0] == '-';
    const std::string_view unsignedPart =
        (number[0] == '+' || number[0] == '-') ? number.substr(1) : number;
    double magnitude = 0.0;
    const auto [end, error] =
        std::from_chars(unsignedPart.data(), unsignedPart.data() + unsignedPart.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        magnitude =
            magnitudeAtLeastOne(unsignedPart) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

std::string nonFiniteText(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    return value < 0 ? "-inf" : "inf";
}

std::string format(double value, std::chars_format style, int precision) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    // 309 integer digits, a sign, a point and the decimals fit.
    std::array<char, 340> text{};
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, style, precision);
    return {text.data(), result.ptr};
}

} // namespace

std::string NumberText::twoDecimals(double value) {
    return format(value, std::chars_format::fixed, 2);
}

std::string NumberText::editText(double value) {
    return format(value, std::chars_format::general, 15);
}

double NumberText::readLeadingNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) {
        ++start;
    }
    const std::string_view rest = text.substr(start);
    const std::size_t length = decimalNumberLength(rest);
    return length == 0 ? 0.0 : convertDecimal(rest.substr(0, length));
}

std::optional<double> NumberText::readEditNumber(std::string_view text) {
    const std::string_view trimmed = trimBlanks(text);
    std::string number(trimmed);
    if (number.find('.') == std::string::npos) {
        const std::size_t comma = number.find(',');
        if (comma != std::string::npos) {
            number[comma] = '.';
        }
    }
    if (number.empty() || decimalNumberLength(number) != number.size()) {
        return std::nullopt;
    }
    const double value = convertDecimal(number);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace fenwake
