// SPDX-License-Identifier: MIT
// Leaves both information window slots empty, so that the next test starts as the program does.
#pragma once

#include <QCoreApplication>
#include <QEvent>

#include "ui/qt/info_windows.h"

namespace test {

// Closes whichever information windows are open and lets Qt delete them now rather than on a
// later turn of the event loop that the next test would run into.
inline void CloseInfoWindows() {
    for (ui::InfoWindowSlot* slot : {&ui::frmAbout(), &ui::frmAbout1()}) {
        if (slot->window() != nullptr) {
            slot->window()->close();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace test
