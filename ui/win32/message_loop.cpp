// SPDX-License-Identifier: MIT
#include "ui/win32/message_loop.h"

#include <cstdlib>
#include <optional>
#include <utility>

namespace ui::win32 {
namespace {

// The edit control of older Windows versions beeps at Ctrl+A; users expect it to select all.
bool SelectedAll(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != 'A' || GetKeyState(VK_CONTROL) >= 0) {
        return false;
    }
    wchar_t windowClass[8] = {};
    if (!GetClassNameW(message.hwnd, windowClass, 8) || lstrcmpiW(windowClass, L"Edit") != 0) {
        return false;
    }
    SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
    return true;
}

// The first click of a double-click on "Понял" closes its window, and Windows hands the
// second to whatever lay beneath: a field of Form1 takes the focus and the caret, and the next
// key lands in it. A press within the double-click time and rectangle of one whose window has
// been destroyed since is the rest of that gesture: it goes nowhere, with its moves and release.
struct Press {
    HWND window;
    DWORD time;
    POINT at;
};
std::optional<Press> g_lastPress;
bool g_swallowing = false;

bool EndsClosingDoubleClick(const MSG& press) {
    return g_lastPress && !IsWindow(g_lastPress->window) &&
           press.time - g_lastPress->time <= GetDoubleClickTime() &&
           std::abs(press.pt.x - g_lastPress->at.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
           std::abs(press.pt.y - g_lastPress->at.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

bool SwallowedSecondClick(const MSG& message) {
    switch (message.message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
            g_swallowing = EndsClosingDoubleClick(message);
            if (g_swallowing) {
                g_lastPress.reset();
            } else {
                g_lastPress = Press{GetAncestor(message.hwnd, GA_ROOT), message.time, message.pt};
            }
            return g_swallowing;
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
            return g_swallowing;
        case WM_LBUTTONUP:
        case WM_NCLBUTTONUP:
            return std::exchange(g_swallowing, false);
        default:
            return false;
    }
}

}  // namespace

void ProcessMessage(MSG& message) {
    if (SelectedAll(message) || SwallowedSecondClick(message)) {
        return;
    }
    HWND window = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (window && IsDialogMessageW(window, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        ProcessMessage(message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace ui::win32
