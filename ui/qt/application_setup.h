// SPDX-License-Identifier: MIT
#pragma once

namespace ui {

// Sets up what every window relies on: the widget style that honours the coloured button
// faces on every platform, the installed families that stand for the designer's fonts,
// Russian for the texts Qt itself shows (a field's context menu), and what assistive tools
// are told (accessibility.h). Call it once, after the QApplication exists and before the first
// window is built.
void SetUpApplication();

}  // namespace ui
