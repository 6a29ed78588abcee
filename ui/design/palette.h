// SPDX-License-Identifier: MIT
// The colours and the one face that the windows share, named once for every design table.
#pragma once

#include "ui/design/design.h"

namespace ui {

inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kRed = Rgb(255, 0, 0);
inline constexpr Colour kGreen = Rgb(0, 255, 0);
inline constexpr Colour kYellow = Rgb(255, 255, 0);
inline constexpr Colour kOlive = Rgb(192, 192, 0);
inline constexpr Colour kOrange = Rgb(255, 192, 128);
inline constexpr Colour kLightGreen = Rgb(128, 255, 128);
inline constexpr Colour kLightYellow = Rgb(255, 255, 128);
inline constexpr Colour kPaleYellow = Rgb(255, 255, 192);

// Buttons and the information windows' texts.
inline constexpr FontDesign kTimes12{"Times New Roman", 12};

}  // namespace ui
