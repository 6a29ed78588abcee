// SPDX-License-Identifier: MIT
#include "ui/win32/message_loop.h"

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

}  // namespace

void ProcessMessage(MSG& message) {
    if (SelectedAll(message)) {
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
