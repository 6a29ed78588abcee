// SPDX-License-Identifier: MIT
// The controls of Form1 that its handlers use, named once for the design table and for the
// handlers of every toolkit.
#pragma once

#include <string_view>

namespace ui::form1 {

// The input fields, by the quantity each holds.
inline constexpr std::string_view Text10_2 = "Text10(2)";  // F, kHz
inline constexpr std::string_view Text6_1 = "Text6(1)";    // C2, pF
inline constexpr std::string_view Text9_3 = "Text9(3)";    // C5, nF
inline constexpr std::string_view Text8_3 = "Text8(3)";    // C7, pF
inline constexpr std::string_view Text2_0 = "Text2(0)";    // R5, kOhm
inline constexpr std::string_view Text1_0 = "Text1(0)";    // R6, Ohm
inline constexpr std::string_view Text5_1 = "Text5(1)";    // R9, kOhm

// The result: the gain.
inline constexpr std::string_view Text8_0 = "Text8(0)";

inline constexpr std::string_view Command1 = "Command1";  // "Расчет"
inline constexpr std::string_view Command2 = "Command2";  // "О программе"
inline constexpr std::string_view Command3 = "Command3";  // "Автор"

}  // namespace ui::form1
