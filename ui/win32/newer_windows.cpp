// SPDX-License-Identifier: MIT
#include "ui/win32/newer_windows.h"

namespace ui::win32 {
namespace {

template <typename Function>
void Find(Function& entry, HMODULE library, const char* name) {
    // GetProcAddress hands every function back as a FARPROC; the table knows each one's type.
    entry = library
                ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)))
                : nullptr;
}

NewerWindows Load() {
    NewerWindows found;
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    Find(found.GetDpiForWindow, user32, "GetDpiForWindow");
    Find(found.GetSystemMetricsForDpi, user32, "GetSystemMetricsForDpi");
    Find(found.AdjustWindowRectExForDpi, user32, "AdjustWindowRectExForDpi");
    // shcore is not there before Windows 8.1; loaded from the system folder only, and kept.
    HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    Find(found.GetDpiForMonitor, shcore, "GetDpiForMonitor");
    return found;
}

// Before per-monitor awareness, every window is drawn at the DPI the user last signed in with.
UINT SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

const NewerWindows& Newer() {
    // Not const: the tests' stand-in for an older Windows clears it (tests/win32).
    static NewerWindows loaded = Load();
    return loaded;
}

UINT DpiOf(HWND window) {
    const NewerWindows& newer = Newer();
    if (newer.GetDpiForWindow) {
        return newer.GetDpiForWindow(window);
    }
    UINT x = 0;
    UINT y = 0;
    if (newer.GetDpiForMonitor &&
        SUCCEEDED(newer.GetDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), 0, &x,
                                         &y))) {
        return y;
    }
    return SystemDpi();
}

int SystemMetric(int index, UINT dpi) {
    if (Newer().GetSystemMetricsForDpi) {
        return Newer().GetSystemMetricsForDpi(index, dpi);
    }
    // GetSystemMetrics answers at the system DPI.
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

void AdjustFrame(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) {
    if (Newer().AdjustWindowRectExForDpi) {
        Newer().AdjustWindowRectExForDpi(&rect, style, FALSE, exStyle, dpi);
        return;
    }
    // Windows 8.1 scales the client area of a per-monitor window but never its frame, which
    // stays as thick as at the system DPI: what AdjustWindowRectEx gives.
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

}  // namespace ui::win32
