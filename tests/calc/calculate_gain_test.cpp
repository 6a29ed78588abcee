// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

// One row of tests/data/gain_cases.tsv, which the web page's tests read too.
struct Case {
    std::string what;
    std::array<std::string, 7> texts;  // F, C2, C5, C7, R5, R6, R9
    std::optional<std::string> shown;  // empty: the calculation fails
};

std::vector<std::string> SplitAtTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::string::size_type start = 0;
    for (auto tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
        cells.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    cells.push_back(line.substr(start));
    return cells;
}

std::vector<Case> ReadCases() {
    std::ifstream file(GAIN_CASES_FILE);
    std::vector<Case> cases;
    bool header = true;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (std::exchange(header, false)) {
            continue;
        }
        const std::vector<std::string> cells = SplitAtTabs(line);
        if (cells.size() != 9) {
            ADD_FAILURE() << "not nine cells: " << line;
            continue;
        }
        Case c{.what = cells[0], .texts = {}, .shown = std::nullopt};
        std::copy(cells.begin() + 1, cells.begin() + 8, c.texts.begin());
        if (cells[8] != "fails") {
            c.shown = cells[8];
        }
        cases.push_back(std::move(c));
    }
    return cases;
}

TEST(CalculateGain, ShowsTheRoundedGainOrFails) {
    const std::vector<Case> cases = ReadCases();
    ASSERT_FALSE(cases.empty()) << "no cases read from " << GAIN_CASES_FILE;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto& [F, C2, C5, C7, R5, R6, R9] = c.texts;
        const calc::GainTexts texts{
            .F = F, .C2 = C2, .C5 = C5, .C7 = C7, .R5 = R5, .R6 = R6, .R9 = R9};
        EXPECT_EQ(calc::CalculateGain(texts, "."), c.shown);
    }
}

TEST(CalculateGain, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(calc::CalculateGain(kReference, ","), "53,1");
}

}  // namespace
