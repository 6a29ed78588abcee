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

// Settles, before the application object exists, which windowing system the windows will be
// shown on, so that Qt tries none that cannot come up. Returns why no window can be shown, in
// one line that says what to do, or nothing when one can.
std::optional<std::string> ChooseWindowingSystem();

}  // namespace ui::platform
