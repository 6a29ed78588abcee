// SPDX-License-Identifier: MIT
// The lenient reading of a field text. It never looks at the process locale: the full stop is
// the only decimal point, whatever the user's regional settings say, so std::from_chars does
// the conversion (strtod and streams would follow LC_NUMERIC, which the GUI sets at start-up).
#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

#include "gain.h"

namespace calc {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Blanks count for nothing anywhere in a field: "12 00" is 1200.
std::string WithoutBlanks(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (!IsBlank(c)) {
            compact.push_back(c);
        }
    }
    return compact;
}

int DigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// &H and &O integers are 16-bit values where they fit, 32-bit ones otherwise, both signed, so
// "&HFFFF" is -1 and "&HFFFFFFFF" is -1 too. Wider values do not fit any integer the reading
// knows and are refused rather than wrapped.
std::optional<double> ReadRadixInteger(std::string_view digits, int radix) {
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = DigitValue(c);
        if (digit < 0 || digit >= radix) {
            break;
        }
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFF'FFFFu) {
            return std::nullopt;
        }
    }
    if (value <= 0xFFFFu) {
        return static_cast<std::int16_t>(value);
    }
    return static_cast<std::int32_t>(value);
}

// from_chars reports both ends of the range as out of range; only the large end is a failure,
// a number too small for a double reads as zero. The decimal magnitude settles which end.
bool BeyondLargestDouble(std::string_view number) {
    std::size_t i = 0;
    long long magnitude = 0;
    while (i < number.size() && number[i] == '0') {
        ++i;
    }
    while (i < number.size() && IsDigit(number[i])) {
        ++magnitude;
        ++i;
    }
    if (i < number.size() && number[i] == '.') {
        ++i;
        if (magnitude == 0) {
            while (i < number.size() && number[i] == '0') {
                --magnitude;
                ++i;
            }
        }
    }
    while (i < number.size() && (IsDigit(number[i]) || number[i] == '.')) {
        ++i;
    }
    if (i < number.size()) {  // the exponent: E, an optional sign, digits
        ++i;
        const bool negative = number[i] == '-';
        if (number[i] == '-' || number[i] == '+') {
            ++i;
        }
        long long exponent = 0;
        for (; i < number.size() && exponent < 1'000'000'000; ++i) {
            exponent = exponent * 10 + (number[i] - '0');
        }
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude > 0;
}

std::optional<double> ReadDecimal(std::string_view text) {
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    const std::size_t start = i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            ++digits;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                ++j;
            }
            end = j;
        }
    }

    const std::string_view number = text.substr(start, end - start);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (BeyondLargestDouble(number)) {
            return std::nullopt;
        }
        value = 0.0;
    }
    return negative ? -value : value;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text) {
    const std::string compact = WithoutBlanks(text);
    const std::string_view s = compact;
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') {
            return ReadRadixInteger(s.substr(2), 16);
        }
        if (s[1] == 'O' || s[1] == 'o') {
            return ReadRadixInteger(s.substr(2), 8);
        }
    }
    return ReadDecimal(s);
}

}  // namespace calc
