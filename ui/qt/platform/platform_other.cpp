// SPDX-License-Identifier: MIT
// Platforms without a file of their own (macOS, Wayland-only builds): their defaults.
#include "ui/qt/platform/platform.h"

namespace ui::platform {

QColor DesktopColour() {
    return Qt::black;
}

void HideTaskbarButton(QWidget&) {}

std::optional<std::string> ChooseWindowingSystem() {
    return std::nullopt;
}

}  // namespace ui::platform
