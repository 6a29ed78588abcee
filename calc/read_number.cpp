// SPDX-License-Identifier: MIT
// The lenient reading of a field text. It never looks at the process locale: the full stop is
// the only decimal point, whatever the user's regional settings say, so fast_float does the
// conversion (strtod and streams would follow LC_NUMERIC, which the GUI sets at start-up). It
// is the reader GCC's own from_chars is built on, and it is there for the WebAssembly build too,
// whose C++ library has no floating-point from_chars.
#include <fast_float/fast_float.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

#include "calc/gain.h"

namespace calc {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// &H and &O integers are 16-bit values where they fit, 32-bit ones otherwise, both signed, so
// "&HFFFF" is -1 and "&HFFFFFFFF" is -1 too. Wider values do not fit any integer the reading
// knows and are refused rather than wrapped. No digits at all read as 0.
std::optional<double> ReadRadixInteger(std::string_view digits, int radix) {
    std::uint32_t value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, radix);
    if (result.ec == std::errc::result_out_of_range) {
        return std::nullopt;
    }
    if (value <= 0xFFFFu) {
        return static_cast<std::int16_t>(value);
    }
    return static_cast<std::int32_t>(value);
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
    fast_float::from_chars(number.data(), number.data() + number.size(), value);
    // A number too small for a double reads as zero; one too large comes back as infinity,
    // with no error of its own, and does not fit.
    if (std::isinf(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text) {
    // Blanks count for nothing anywhere in a field: "12 00" is 1200.
    std::string compact(text);
    std::erase_if(compact, IsBlank);
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
