// SPDX-License-Identifier: MIT
// The whole program: Form1, the two information windows' slots, and the hidden window that
// owns the information windows so that they have no task-bar button of their own.
#pragma once

#include <windows.h>

#include "ui/win32/form1.h"
#include "ui/win32/handles.h"
#include "ui/win32/info_windows.h"

namespace ui::win32 {

class Program {
public:
    // Builds Form1 and shows it. When the last of the three windows closes, the message loop
    // is told to end with status 0.
    Program();

    Form1& form1() { return m_form1; }
    InfoWindowSlot& frmAbout() { return m_frmAbout; }
    InfoWindowSlot& frmAbout1() { return m_frmAbout1; }
    HWND Owner() const { return m_owner.get(); }

private:
    void WindowClosed();

    UniqueWindow m_owner;
    InfoWindowSlot m_frmAbout;
    InfoWindowSlot m_frmAbout1;
    Form1 m_form1;
};

// The program from its start to its end, as wWinMain runs it: the exit status. A start that
// cannot show Form1 tells the user why and ends with status 1.
int RunProgram();

}  // namespace ui::win32
