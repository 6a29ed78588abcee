// SPDX-License-Identifier: MIT
// Which of Form1's fields feeds which input of the calculation, for the "Расчет" handler of
// every toolkit and for the page's script.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "calc/inputs.h"
#include "ui/design/form1_controls.h"

namespace ui::form1 {

struct GainField {
    calc::Input input;
    std::string_view field;
};

// clang-format off
inline constexpr std::array<GainField, calc::kInputCount> kGainFields = {{
    // input            field
    {calc::Input::F,  Text10_2},
    {calc::Input::C2, Text6_1},
    {calc::Input::C5, Text9_3},
    {calc::Input::C7, Text8_3},
    {calc::Input::R5, Text2_0},
    {calc::Input::R6, Text1_0},
    {calc::Input::R9, Text5_1},
}};
// clang-format on

// The handlers read the fields in the table's order and hand the texts over as they come.
static_assert(
    [] {
        for (std::size_t i = 0; i < kGainFields.size(); ++i) {
            if (calc::Index(kGainFields[i].input) != i) {
                return false;
            }
        }
        return true;
    }(),
    "kGainFields lists the inputs in the calculation's order");

}  // namespace ui::form1
