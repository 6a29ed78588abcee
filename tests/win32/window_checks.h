// SPDX-License-Identifier: MIT
// What the Windows window tests share: running the message loop for a while, and reading back
// what a window shows.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace win32_test {

// Handles the thread's messages as the program's loop does until done() holds or the time is
// up; says whether it held. A WM_QUIT on the way is kept for QuitCode().
bool PumpUntil(const std::function<bool()>& done, int milliseconds = 3000);
// Handles messages for a short while, so that windows paint and settle.
void Pump(int milliseconds = 100);
// The exit code of the last WM_QUIT seen by the pumps, and forgets it.
std::optional<int> TakeQuitCode();

// Sends a key press and release to the focused control through the program's message handling.
void PressKey(WORD key, bool control = false, bool shift = false);

// Puts the text on the clipboard, for a paste.
void PutOnClipboard(HWND owner, const std::wstring& text);

// A control's rectangle in its parent's client coordinates.
RECT RectInParent(HWND control);

// The colour of a pixel of a 32-bit bitmap, which holds blue in its lowest byte.
COLORREF FromBgra(DWORD pixel);

// The client area as it is on the screen, with its children.
class Capture {
public:
    explicit Capture(HWND window);
    COLORREF At(int x, int y) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<DWORD> m_pixels;
};

std::string Hex(COLORREF colour);

// While it lives, Windows refuses to make any window of this thread whose text is `text`, as it
// refuses when out of resources, so that the program's failure paths run for real.
class RefusedWindow {
public:
    explicit RefusedWindow(std::wstring text);
    ~RefusedWindow();
    RefusedWindow(const RefusedWindow&) = delete;
    RefusedWindow& operator=(const RefusedWindow&) = delete;

    int Refusals() const { return m_refusals; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    std::wstring m_text;
    int m_refusals = 0;
    HHOOK m_hook;
};

// The top-level windows of this thread, shown or hidden.
int ThreadWindows();

}  // namespace win32_test
