// SPDX-License-Identifier: MIT
#include "ui/win32/program.h"

#include <stdexcept>

#include "ui/design/design.h"

namespace ui::win32 {
namespace {

HWND MakeOwner() {
    HWND owner = CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (!owner) {
        throw std::runtime_error("cannot create the program's owner window");
    }
    return owner;
}

}  // namespace

Program::Program()
    : m_owner(MakeOwner()),
      m_frmAbout(kFrmAboutDesign, m_owner.get(), [this] { WindowClosed(); }),
      m_frmAbout1(kFrmAbout1Design, m_owner.get(), [this] { WindowClosed(); }),
      m_form1(m_frmAbout, m_frmAbout1, [this] { WindowClosed(); }) {
    m_form1.Window().Show();
}

void Program::WindowClosed() {
    if (!m_form1.Window().IsOpen() && !m_frmAbout.IsOpen() && !m_frmAbout1.IsOpen()) {
        PostQuitMessage(0);
    }
}

}  // namespace ui::win32
