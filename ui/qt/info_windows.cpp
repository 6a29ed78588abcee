// SPDX-License-Identifier: MIT
#include "ui/qt/info_windows.h"

#include <QPushButton>

#include "ui/design/info_window_controls.h"
#include "ui/qt/build_window.h"
#include "ui/qt/second_click_filter.h"

namespace ui {

InfoWindow::InfoWindow(const WindowDesign& design) : QDialog(nullptr) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing on the first click of a double-click must not hand the second to the window
    // beneath.
    SecondClickFilter::Install();
    const BuiltControls built = BuildWindow(*this, design);
    connect(built.Get<QPushButton>(info_window::cmdOK), &QPushButton::clicked, this,
            &InfoWindow::cmdOK_Click);
}

void InfoWindow::cmdOK_Click() {
    close();
}

void InfoWindowSlot::Open() {
    // A window that is closing but not yet deleted counts as closed.
    if (m_window == nullptr || m_window->isHidden()) {
        m_window = new InfoWindow(m_design);
        m_window->show();
        return;
    }
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->raise();
    m_window->activateWindow();
}

InfoWindow* InfoWindowSlot::window() const {
    return m_window != nullptr && !m_window->isHidden() ? m_window.data() : nullptr;
}

}  // namespace ui
