// SPDX-License-Identifier: MIT
#include "ui/win32/info_windows.h"

#include "ui/design/info_window_controls.h"

namespace ui::win32 {

InfoWindowSlot::InfoWindowSlot(const WindowDesign& design, HWND owner, std::function<void()> closed)
    : m_design(design), m_owner(owner), m_closed(std::move(closed)) {}

void InfoWindowSlot::Open() {
    if (IsOpen()) {
        m_window->Raise();
        return;
    }
    auto window =
        std::make_unique<BuiltWindow>(m_design, m_owner, WindowEvents{.closed = m_closed});
    window->OnClick(info_window::cmdOK, [this] { cmdOK_Click(); });
    m_window = std::move(window);
    m_window->Show();
}

void InfoWindowSlot::cmdOK_Click() {
    if (IsOpen()) {
        DestroyWindow(m_window->Window());
    }
}

}  // namespace ui::win32
