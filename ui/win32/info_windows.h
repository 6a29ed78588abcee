// SPDX-License-Identifier: MIT
// frmAbout and frmAbout1: each lives in a slot of the program, built afresh from its table on
// every open and closed by its cmdOK button.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/design/design.h"
#include "ui/win32/built_window.h"

namespace ui::win32 {

class InfoWindowSlot {
public:
    // owner keeps the window off the task bar; it must never be Form1, whose closing would
    // take the information window with it. closed runs once the window is gone.
    InfoWindowSlot(const WindowDesign& design, HWND owner, std::function<void()> closed);

    // Builds the window from its table and shows it, or brings an open one to the front.
    void Open();
    bool IsOpen() const { return m_window && m_window->IsOpen(); }
    // The window built last; null before the first open.
    BuiltWindow* Window() const { return m_window.get(); }

    void cmdOK_Click();

private:
    const WindowDesign& m_design;
    HWND m_owner;
    std::function<void()> m_closed;
    std::unique_ptr<BuiltWindow> m_window;
};

}  // namespace ui::win32
