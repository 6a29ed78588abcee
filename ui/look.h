// SPDX-License-Identifier: MIT
#pragma once

namespace ui {

// Sets up what every window relies on: the widget style that honours the coloured button
// faces on every platform, and installed stand-ins for the designer's fonts. Call it once,
// after the QApplication exists and before the first window is built.
void ApplyLook();

}  // namespace ui
