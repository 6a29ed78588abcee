// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/gain.h"

namespace {

// The values of the reference circuit, as the fields show them at start: F, C2, C5, C7, R5, R6
// and R9.
constexpr calc::InputTexts kReference{"10", "4700", "33", "22", "100", "1200", "100"};

TEST(CalculateGain, ReferenceCircuitStepByStep) {
    const std::optional<calc::GainSteps> steps = calc::ComputeGain(kReference);
    ASSERT_TRUE(steps.has_value());
    // Worked out by hand with 6.28 for two pi, in exact fractions, to a millionth; the double
    // arithmetic agrees with them to far better than that.
    EXPECT_NEAR(steps->X2, 3387.992953, 1e-6);
    EXPECT_NEAR(steps->X5, 482.532330, 1e-6);
    EXPECT_NEAR(steps->X7, 723798.494499, 1e-6);
    EXPECT_NEAR(steps->ZF, 87861.109159, 1e-6);
    EXPECT_NEAR(steps->ZIN, 1655.589331, 1e-6);
    EXPECT_NEAR(steps->K, 53.069386, 1e-6);
}

// One row of tests/data/gain_cases.tsv, which the web page's tests read too.
struct Case {
    std::string what;
    std::array<std::string, calc::kInputCount> texts;  // in the calculation's order
    std::optional<std::string> shown;                  // empty: the calculation fails
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

// The table's columns are "what", one for each input of the calculation under its name, in any
// order, and "shown".
std::vector<Case> ReadCases() {
    std::ifstream file(GAIN_CASES_FILE);
    std::vector<Case> cases;
    std::vector<std::string> header;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::vector<std::string> cells = SplitAtTabs(line);
        if (header.empty()) {
            header = std::move(cells);
            continue;
        }
        if (cells.size() != header.size()) {
            ADD_FAILURE() << "not " << header.size() << " cells: " << line;
            continue;
        }
        const auto cell = [&](std::string_view column) -> const std::string& {
            const auto found = std::find(header.begin(), header.end(), column);
            if (found == header.end()) {
                throw std::runtime_error("the cases have no column " + std::string(column));
            }
            return cells[static_cast<std::size_t>(found - header.begin())];
        };
        Case c{.what = cell("what"), .texts = {}, .shown = std::nullopt};
        std::transform(calc::kInputNames.begin(), calc::kInputNames.end(), c.texts.begin(), cell);
        if (cell("shown") != "fails") {
            c.shown = cell("shown");
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
        EXPECT_EQ(calc::CalculateGain(c.texts, "."), c.shown);
    }
}

TEST(CalculateGain, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(calc::CalculateGain(kReference, ","), "53,1");
}

}  // namespace
