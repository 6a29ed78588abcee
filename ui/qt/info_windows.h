// SPDX-License-Identifier: MIT
// The two information windows and the slots of the program that hold them.
#pragma once

#include <QDialog>
#include <QPointer>

#include "ui/design/design.h"

namespace ui {

// A small window built from its design that closes with its one button, with Enter or
// Escape, or with its close box, and takes its controls with it.
class InfoWindow : public QDialog {
    Q_OBJECT

public:
    explicit InfoWindow(const WindowDesign& design);

private:
    void cmdOK_Click();
};

// Holds one information window for the whole run. The window itself exists only while it is
// open; each request after a close builds it afresh from its design.
class InfoWindowSlot {
public:
    explicit InfoWindowSlot(const WindowDesign& design) : m_design(design) {}
    // An open window goes with its slot, and so does a closed one Qt has not deleted yet.
    ~InfoWindowSlot() { delete m_window; }
    InfoWindowSlot(const InfoWindowSlot&) = delete;
    InfoWindowSlot& operator=(const InfoWindowSlot&) = delete;

    // Shows the window, modeless and without an owner, building it if it is not open; an
    // open one is brought to the front instead.
    void Open();

    // The open window, or null while it is closed.
    [[nodiscard]] InfoWindow* window() const;

private:
    const WindowDesign& m_design;
    QPointer<InfoWindow> m_window;
};

}  // namespace ui
