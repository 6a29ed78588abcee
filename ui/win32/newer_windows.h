// SPDX-License-Identifier: MIT
// What Windows versions after 7 added and the program uses, looked up once at run time so that
// the program file imports only what Windows 7 SP1 has, with what each version does without.
#pragma once

#include <windows.h>

namespace ui::win32 {

// Each entry is null where this Windows lacks it.
struct NewerWindows {
    // user32, Windows 10 1607: the DPI of each window, frames and metrics at any DPI.
    UINT(WINAPI* GetDpiForWindow)(HWND) = nullptr;
    int(WINAPI* GetSystemMetricsForDpi)(int, UINT) = nullptr;
    BOOL(WINAPI* AdjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
    // shcore, Windows 8.1: the DPI of each monitor (the first argument is MDT_EFFECTIVE_DPI).
    HRESULT(WINAPI* GetDpiForMonitor)(HMONITOR, int, UINT*, UINT*) = nullptr;
};

// Looked up on first use.
const NewerWindows& Newer();

// The DPI a window is drawn at, newest rule first: the window's own (per-monitor v2), its
// monitor's (Windows 8.1's per-monitor awareness), or the one DPI of the whole system.
UINT DpiOf(HWND window);
// A system metric, such as an icon's side, at a DPI.
int SystemMetric(int index, UINT dpi);
// Grows a client rectangle to the window's outer one at a DPI.
void AdjustFrame(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace ui::win32
