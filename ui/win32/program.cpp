// SPDX-License-Identifier: MIT
#include "ui/win32/program.h"

#include <stdexcept>

#include "ui/design/design.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/tell_user.h"

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

int RunProgram() {
    // The pictures are decoded and the screen-reader names set through COM.
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    int status = 1;
    if (!com) {
        TellUser(nullptr, L"Программа не может начать работу: Windows не дала ей службу COM.");
    } else {
        try {
            Program program;
            status = RunMessageLoop();
        } catch (...) {
            TellUser(nullptr,
                     L"Программа не может начать работу: Windows не дала ей создать "
                     L"главное окно.");
        }
        CoUninitialize();
    }
    return status;
}

void Program::WindowClosed() {
    if (!m_form1.Window().IsOpen() && !m_frmAbout.IsOpen() && !m_frmAbout1.IsOpen()) {
        PostQuitMessage(0);
    }
}

}  // namespace ui::win32
