// SPDX-License-Identifier: MIT
// The design tables and the calculation speak UTF-8; the W functions speak UTF-16.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ui::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// A window's or control's text, through WM_GETTEXT: unlike GetWindowText, it reads a control of
// another process too.
std::wstring WindowText(HWND window);

}  // namespace ui::win32
