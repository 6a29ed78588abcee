// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calc/gain.h"

namespace {

// The values of the reference circuit, as the fields show them at start.
constexpr calc::GainTexts kReference{
    .F = "10", .C2 = "4700", .C5 = "33", .C7 = "22", .R5 = "100", .R6 = "1200", .R9 = "100"};

TEST(CalculateGain, ReferenceCircuitStepByStep) {
    const std::optional<calc::GainSteps> steps = calc::ComputeGain(kReference);
    ASSERT_TRUE(steps.has_value());
    // Worked out by hand with 6.28 for two pi.
    const double x2 = 1 / (62800.0 * 4.7e-9);
    const double x5 = 1 / (62800.0 * 33.0 / 1e9);
    const double x7 = 1 / (62800.0 * 22e-12);
    const double zf = 100000.0 * x7 / (100000.0 + x7);
    const double za = 100000.0 + x2;
    const double zb = 1200.0 + x5;
    const double zin = za * zb / (za + zb);
    EXPECT_NEAR(steps->X2, x2, x2 * 1e-9);
    EXPECT_NEAR(steps->X5, x5, x5 * 1e-9);
    EXPECT_NEAR(steps->X7, x7, x7 * 1e-9);
    EXPECT_NEAR(steps->ZF, zf, zf * 1e-9);
    EXPECT_NEAR(steps->ZIN, zin, zin * 1e-9);
    EXPECT_NEAR(steps->X2, 3387.99, 0.01);
    EXPECT_NEAR(steps->X5, 482.53, 0.01);
    EXPECT_NEAR(steps->X7, 723798.49, 0.01);
    EXPECT_NEAR(steps->ZF, 87861.1, 0.1);
    EXPECT_NEAR(steps->ZIN, 1655.59, 0.01);
    EXPECT_NEAR(steps->K, 53.0694, 0.0001);
}

struct Case {
    const char* what;
    calc::GainTexts texts;
    std::optional<std::string> shown;  // empty: the calculation fails
};

calc::GainTexts With(calc::GainTexts texts, std::string_view calc::GainTexts::*field,
                     std::string_view text) {
    texts.*field = text;
    return texts;
}

using T = calc::GainTexts;

const Case kCases[] = {
    {"reference circuit", kReference, "53.1"},
    {"1 kHz", With(kReference, &T::F, "1"), "17.1"},
    {"20 kHz", With(kReference, &T::F, "20"), "55.1"},
    {"comma ends the number", With(kReference, &T::F, "10,5"), "53.1"},
    {"blanks between digits", With(kReference, &T::F, " 1 0"), "53.1"},
    {"R5 and R6 empty", With(With(kReference, &T::R5, ""), &T::R6, ""), "208"},
    {"negative R9 gives a negative gain", With(kReference, &T::R9, "-100"), "-70.1"},
    // Each reactance divides by its capacitance and by the frequency.
    {"empty frequency", With(kReference, &T::F, ""), std::nullopt},
    {"zero frequency", With(kReference, &T::F, "0"), std::nullopt},
    {"no number in C2", With(kReference, &T::C2, "abc"), std::nullopt},
    {"zero C5", With(kReference, &T::C5, "0"), std::nullopt},
    {"zero C7", With(kReference, &T::C7, "0.0"), std::nullopt},
    // R9 + X7 = 0: R9 cancels the reactance of C7 exactly.
    {"feedback branches cancel", With(With(kReference, &T::C7, "-1"), &T::R9, "15923.566878980893"),
     std::nullopt},
    // ZA + ZB = 0: R6 cancels the reactances of C2 and C5 exactly.
    {"input branches cancel", With(With(kReference, &T::R5, "0"), &T::R6, "-3870.5252826407454"),
     std::nullopt},
    {"frequency overflows", With(kReference, &T::F, "1E306"), std::nullopt},
    {"R9 overflows", With(kReference, &T::R9, "1E306"), std::nullopt},
    {"number beyond a double", With(kReference, &T::R6, "1E400"), std::nullopt},
    {"hex wider than 32 bits", With(kReference, &T::R5, "&H100000000"), std::nullopt},
};

TEST(CalculateGain, ShowsTheRoundedGainOrFails) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(calc::CalculateGain(c.texts, "."), c.shown);
    }
}

TEST(CalculateGain, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(calc::CalculateGain(kReference, ","), "53,1");
}

}  // namespace
