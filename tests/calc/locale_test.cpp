// SPDX-License-Identifier: MIT
// The GUI switches the C library to the user's locale at start-up. In a Russian locale strtod
// and streams take the comma as the decimal point; the calculation must not.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "calc/gain.h"
#include "tests/calc/comma_locale.h"

namespace {

TEST(CalculationUnderCommaLocale, ReadsAndWritesAsInTheCLocale) {
    const char* applied = std::setlocale(LC_ALL, kCommaLocale);
    ASSERT_NE(applied, nullptr) << kCommaLocale << " is not installed (locale-gen ru_RU.UTF-8)";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");

    EXPECT_EQ(calc::ReadNumber("4.7"), 4.7);
    EXPECT_EQ(calc::ReadNumber("4,7"), 4.0);
    EXPECT_EQ(calc::ReadNumber("4.7E3"), 4700.0);
    EXPECT_EQ(calc::FormatGain(53.0694, "."), "53.1");
    const calc::InputTexts reference{"10.0", "4700", "33", "22", "100", "1200", "100"};
    EXPECT_EQ(calc::CalculateGain(reference, ","), "53,1");

    std::setlocale(LC_ALL, "C");
}

}  // namespace
