// SPDX-License-Identifier: MIT
// Form1, the main window, and its three handlers.
#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "ui/design/form1_gain.h"
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
    InfoWindowSlot& m_frmAbout;
    InfoWindowSlot& m_frmAbout1;
    BuiltWindow m_window;
    // Found once, as the buttons are bound: a control missing from the table fails here, not
    // at the first click.
    std::array<HWND, form1::kGainFields.size()> m_gainFields{};  // in the calculation's order
    HWND m_gain;
};

}  // namespace ui::win32
