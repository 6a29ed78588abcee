// SPDX-License-Identifier: MIT
// Which of Form1's fields gives which input of the calculation, for the "Расчет" handler of
// every toolkit.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/gain.h"
#include "ui/design/form1_controls.h"

namespace ui::form1 {

// The fields "Расчет" reads, in the order of calc::GainTexts: F, C2, C5, C7, R5, R6, R9.
inline constexpr std::array<std::string_view, 7> kGainFields = {
    Text10_2, Text6_1, Text9_3, Text8_3, Text2_0, Text1_0, Text5_1,
};

using GainFieldTexts = std::array<std::string, kGainFields.size()>;

// What "Расчет" shows for the fields' texts, given in the order of kGainFields: the gain with
// the user's decimal separator, or nothing when the calculation fails.
inline std::optional<std::string> CalculateGain(const GainFieldTexts& texts,
                                                std::string_view decimalSeparator) {
    const auto& [F, C2, C5, C7, R5, R6, R9] = texts;
    return calc::CalculateGain({.F = F, .C2 = C2, .C5 = C5, .C7 = C7, .R5 = R5, .R6 = R6, .R9 = R9},
                               decimalSeparator);
}

}  // namespace ui::form1
