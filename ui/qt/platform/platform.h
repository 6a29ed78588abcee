// SPDX-License-Identifier: MIT
// What the windows need from the desktop they run on. Everything that depends on the
// windowing system lives behind these three functions, one source file per platform.
#pragma once

#include <QColor>
#include <optional>
#include <string>

class QWidget;

namespace ui::platform {

// The desktop background colour of the windowing system.
QColor DesktopColour();

// Keeps a top-level window out of the task bar. Call it before the window is first shown.
void HideTaskbarButton(QWidget& window);

// Why no window could be shown, in one line, or nothing when a display is there.
std::optional<std::string> DisplayProblem();

}  // namespace ui::platform
