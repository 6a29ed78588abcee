// SPDX-License-Identifier: MIT
#include "ui/qt/program.h"

#include "ui/design/design.h"

namespace ui {

Program::Program()
    : m_frmAbout(kFrmAboutDesign), m_frmAbout1(kFrmAbout1Design), m_form1(m_frmAbout, m_frmAbout1) {
    m_form1.show();
}

}  // namespace ui
