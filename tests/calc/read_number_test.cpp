// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "calc/gain.h"

namespace {

struct Reading {
    std::string text;
    std::optional<double> expected;  // empty: the reading fails
};

const Reading kReadings[] = {
    // Plain numbers, signs and the one decimal point.
    {"1200", 1200.0},
    {"+12", 12.0},
    {"-12.5", -12.5},
    {".5", 0.5},
    {"5.", 5.0},
    {"1.2.3", 1.2},
    // Blanks anywhere, also between digits and around the sign.
    {"12 00", 1200.0},
    {" 1 0", 10.0},
    {"\t- 4\n.7 ", -4.7},
    // The comma is no decimal separator: it ends the number.
    {"4,7", 4.0},
    {"10,5", 10.0},
    // Exponents; an E without digits is not part of the number.
    {"4.7E3", 4700.0},
    {"4.7e-3", 0.0047},
    {"2E+2", 200.0},
    {"4.7E", 4.7},
    {"4.7E+", 4.7},
    {"1e 3", 1000.0},
    // Reading stops at the first character that cannot continue the number.
    {"33nF", 33.0},
    {"22 pF", 22.0},
    {"1-2", 1.0},
    // No number at the start reads as zero.
    {"", 0.0},
    {"   ", 0.0},
    {"abc", 0.0},
    {"-", 0.0},
    {".", 0.0},
    {"E5", 0.0},
    {"&", 0.0},
    {"&X12", 0.0},
    {"-&H10", 0.0},
    // &H and &O: signed 16-bit where the value fits 16 bits, signed 32-bit beyond.
    {"&H10", 16.0},
    {"&hff", 255.0},
    {"&H7FFF", 32767.0},
    {"&H8000", -32768.0},
    {"&HFFFF", -1.0},
    {"&H0000FFFF", -1.0},
    {"&H10000", 65536.0},
    {"&H7FFFFFFF", 2147483647.0},
    {"&H80000000", -2147483648.0},
    {"&HFFFFFFFF", -1.0},
    {"&H FF FF", -1.0},
    {"&H1G", 1.0},
    {"&H", 0.0},
    {"&O17", 15.0},
    {"&o77777", 32767.0},
    {"&O100000", -32768.0},
    {"&O177777", -1.0},
    {"&O200000", 65536.0},
    {"&O37777777777", -1.0},
    {"&O18", 1.0},
    // Too wide for 32 bits, or beyond the range of a double: a failure, never a wrapped value
    // or an infinity.
    {"&H100000000", std::nullopt},
    {"&O40000000000", std::nullopt},
    {"1E400", std::nullopt},
    {"-1E400", std::nullopt},
    {"1.8E308", std::nullopt},
    {"0.00001E309", 1e304},
    // Smaller than the smallest double: zero, not a failure.
    {"1E-400", 0.0},
    {"-0.0001E-400", 0.0},
    // Correct rounding: the nearest double, not a digit-by-digit sum.
    {"0.1", 0.1},
    {"9007199254740993", 9007199254740992.0},
    {"2.2250738585072011e-308", 2.2250738585072011e-308},
    {"1.7976931348623157E308", 1.7976931348623157e308},
};

TEST(ReadNumber, ReadsEveryFormOfFieldText) {
    for (const Reading& row : kReadings) {
        SCOPED_TRACE("text: \"" + row.text + "\"");
        EXPECT_EQ(calc::ReadNumber(row.text), row.expected);
    }
}

TEST(ReadNumber, ReadsLongTextsWhole) {
    // A text field holds up to 32,767 characters; every one of them may matter.
    const std::string digits = "1" + std::string(300, '0');
    EXPECT_EQ(calc::ReadNumber(digits), 1e300);

    std::string spaced;
    for (int i = 0; i < 16000; ++i) {
        spaced += i == 0 ? "1 " : "0 ";
    }
    EXPECT_EQ(calc::ReadNumber(spaced), std::nullopt);  // 10^15999 does not fit

    const std::string zeros = "0." + std::string(32000, '0') + "1";
    EXPECT_EQ(calc::ReadNumber(zeros), 0.0);

    const std::string garbage(32767, 'x');
    EXPECT_EQ(calc::ReadNumber(garbage), 0.0);
}

}  // namespace
