// SPDX-License-Identifier: MIT
// The whole program: Form1 and the two information windows' slots. None of the three windows
// owns another, so that each keeps the program running until it closes itself.
#pragma once

#include "ui/qt/form1.h"
#include "ui/qt/info_windows.h"

namespace ui {

class Program {
public:
    // Builds Form1 and shows it. The program ends when the last of the three windows closes.
    Program();

    Form1& form1() { return m_form1; }
    InfoWindowSlot& frmAbout() { return m_frmAbout; }
    InfoWindowSlot& frmAbout1() { return m_frmAbout1; }

private:
    InfoWindowSlot m_frmAbout;
    InfoWindowSlot m_frmAbout1;
    Form1 m_form1;
};

}  // namespace ui
