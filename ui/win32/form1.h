// SPDX-License-Identifier: MIT
// Form1, the main window, and its three handlers.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "ui/win32/built_window.h"
#include "ui/win32/info_windows.h"

namespace ui::win32 {

class Form1 {
public:
    Form1(InfoWindowSlot& frmAbout, InfoWindowSlot& frmAbout1, std::function<void()> closed);

    BuiltWindow& Window() { return m_window; }

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    void Clicked(std::string_view button);
    std::string Text(HWND field) const;

    InfoWindowSlot& m_frmAbout;
    InfoWindowSlot& m_frmAbout1;
    BuiltWindow m_window;
    // Found once: a control missing from the table fails here, not at the first click.
    HWND m_frequency;
    HWND m_c2;
    HWND m_c5;
    HWND m_c7;
    HWND m_r5;
    HWND m_r6;
    HWND m_r9;
    HWND m_gain;
};

// The user's decimal separator, from the regional settings.
std::string UserDecimalSeparator();

}  // namespace ui::win32
