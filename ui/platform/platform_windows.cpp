// SPDX-License-Identifier: MIT
// Windows.
#include <windows.h>

#include <QWidget>

#include "platform.h"

namespace ui::platform {

QColor DesktopColour() {
    const COLORREF colour = GetSysColor(COLOR_DESKTOP);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

void HideTaskbarButton(QWidget& window) {
    // A window without an owner gets a task-bar button unless it is a tool window.
    const auto handle = reinterpret_cast<HWND>(window.winId());
    SetWindowLongPtrW(handle, GWL_EXSTYLE,
                      GetWindowLongPtrW(handle, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
}

std::optional<std::string> DisplayProblem() {
    return std::nullopt;
}

}  // namespace ui::platform
