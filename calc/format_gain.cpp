// SPDX-License-Identifier: MIT
// The gain as the result field shows it: rounded to a tenth, in its shortest form.
#include <fmt/compile.h>

#include <cmath>

#include "calc/gain.h"

namespace calc {
namespace {

// Ties go to the even neighbour (0.25 -> 0.2, 0.35 -> 0.4): nearbyint in the default rounding
// mode rounds exactly that way, on the value times ten as the double it really is.
std::optional<double> RoundToTenth(double value) {
    const double tenths = value * 10;
    if (!std::isfinite(tenths)) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(tenths) / 10;
    // A small negative gain rounds to -0, and "-0" would be a wrong sign on a zero gain.
    return rounded == 0.0 ? 0.0 : rounded;
}

}  // namespace

std::optional<std::string> FormatGain(double gain, std::string_view decimalSeparator) {
    const std::optional<double> rounded = RoundToTenth(gain);
    if (!rounded) {
        return std::nullopt;
    }
    // 15 significant digits, trailing zeros dropped, exponent form from 10^15 up: the general
    // format does all of it, and unlike printf it never consults the locale. Compiled, the
    // format leaves out {fmt}'s run-time parser, a third of the web page's WebAssembly.
    const std::string general = fmt::format(FMT_COMPILE("{:.15g}"), *rounded);
    std::string text;
    for (const char c : general) {
        if (c == '.') {
            text += decimalSeparator;
        } else if (c == 'e') {
            text += 'E';
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace calc
