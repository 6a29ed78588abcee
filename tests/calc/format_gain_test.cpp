// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "calc/gain.h"

namespace {

struct Formatting {
    double gain;
    std::optional<std::string> shown;
};

const Formatting kFormattings[] = {
    // A tenth, ties to the even neighbour, mirrored for negative values.
    {53.0694, "53.1"},
    {0.25, "0.2"},
    {0.35, "0.4"},
    {0.45, "0.4"},
    {0.75, "0.8"},
    {-0.25, "-0.2"},
    {-0.35, "-0.4"},
    {-0.45, "-0.4"},
    {-0.75, "-0.8"},
    {0.04, "0"},
    // Whole numbers without a separator; a zero gain never carries a sign.
    {208.0, "208"},
    {207.96, "208"},
    {0.0, "0"},
    {-0.0, "0"},
    {-0.04, "0"},
    // Up to 15 significant digits, then exponent form from 10^15 up.
    {12345678901234.5, "12345678901234.5"},
    {123456789012345.0, "123456789012345"},
    {999999999999999.0, "999999999999999"},
    {1e15, "1E+15"},
    {-2.5e17, "-2.5E+17"},
    {1.23456789012345678e20, "1.23456789012346E+20"},
    // Values that cannot be shown.
    {std::numeric_limits<double>::infinity(), std::nullopt},
    {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    {1e308, std::nullopt},
};

TEST(FormatGain, RoundsToATenthAndWritesTheShortestText) {
    for (const Formatting& row : kFormattings) {
        SCOPED_TRACE(row.gain);
        EXPECT_EQ(calc::FormatGain(row.gain, "."), row.shown);
    }
}

TEST(FormatGain, PutsTheGivenSeparatorEverywhere) {
    EXPECT_EQ(calc::FormatGain(53.06, ","), "53,1");
    EXPECT_EQ(calc::FormatGain(-2.5e17, ","), "-2,5E+17");
    EXPECT_EQ(calc::FormatGain(0.5, "\u066B"), "0\u066B5");  // Arabic decimal separator
}

}  // namespace
