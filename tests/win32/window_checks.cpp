// SPDX-License-Identifier: MIT
#include "tests/win32/window_checks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <utility>

#include "ui/win32/handles.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/pictures.h"

namespace win32_test {
namespace {

std::optional<int> g_quitCode;
RefusedWindow* g_refused = nullptr;  // a hook procedure has no context of its own

}  // namespace

bool PumpUntil(const std::function<bool()>& done, int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    while (!done()) {
        if (GetTickCount64() > end) {
            return false;
        }
        MSG message{};
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                g_quitCode = static_cast<int>(message.wParam);
            } else {
                ui::win32::ProcessMessage(message);
            }
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    return true;
}

void Pump(int milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

std::optional<int> TakeQuitCode() {
    return std::exchange(g_quitCode, std::nullopt);
}

void PressKey(WORD key, bool control, bool shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
    Pump(50);
    keys[VK_CONTROL] = 0;
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

void PutOnClipboard(HWND owner, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

RECT RectInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

Capture::Capture(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    m_width = client.right;
    m_height = client.bottom;
    DWORD* bits = nullptr;
    const ui::win32::UniqueBitmap bitmap = ui::win32::MakeTopDownBitmap({m_width, m_height}, &bits);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    {
        const ui::win32::Selected selected(memory, bitmap.get());
        // What is on the screen, children included: wine's PrintWindow draws the parent alone.
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        BitBlt(memory, 0, 0, m_width, m_height, screen, origin.x, origin.y, SRCCOPY);
        GdiFlush();
    }
    m_pixels.assign(bits, bits + static_cast<size_t>(m_width) * static_cast<size_t>(m_height));
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

COLORREF Capture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return CLR_INVALID;
    }
    return FromBgra(
        m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)]);
}

COLORREF FromBgra(DWORD pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

std::string Hex(COLORREF colour) {
    char text[16];
    std::snprintf(text, sizeof text, "(%d,%d,%d)", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

RefusedWindow::RefusedWindow(std::wstring text)
    : m_text(std::move(text)),
      m_hook(SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId())) {
    g_refused = this;
}

RefusedWindow::~RefusedWindow() {
    UnhookWindowsHookEx(m_hook);
    g_refused = nullptr;
}

LRESULT CALLBACK RefusedWindow::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && g_refused) {
        const CREATESTRUCTW& made = *reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (!IS_INTRESOURCE(made.lpszName) && g_refused->m_text == made.lpszName) {
            ++g_refused->m_refusals;
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A named function, not a lambda: 32-bit Windows calls it with its own calling convention.
BOOL CALLBACK CountWindow(HWND, LPARAM data) {
    ++*reinterpret_cast<int*>(data);
    return TRUE;
}

int ThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace win32_test

namespace {

// The pictures decode and the spoken names are set through COM, as in the program's wWinMain.
class ComEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    }
    void TearDown() override { CoUninitialize(); }
};

const ::testing::Environment* const kCom = ::testing::AddGlobalTestEnvironment(new ComEnvironment);

}  // namespace
