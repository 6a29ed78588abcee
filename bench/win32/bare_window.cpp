// SPDX-License-Identifier: MIT
// The floors of the start-up benchmark: an empty window with Form1's frame and client size at
// 96 dpi. Built twice: with nothing in it, and with one edit field under the program's manifest,
// which loads what any control with visual styles (Common Controls 6) loads.
#include <windows.h>

namespace {

constexpr bool kThemedField = BARE_WINDOW_THEMED_FIELD;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassExW(&windowClass);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, 457, 434};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    HWND window = CreateWindowExW(0, L"BareWindow", L"Bare Win32 window", style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, instance, nullptr);
    if (kThemedField) {
        CreateWindowExW(0, L"EDIT", L"10", WS_CHILD | WS_VISIBLE | WS_BORDER, 232, 80, 113, 37,
                        window, nullptr, instance, nullptr);
    }
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
