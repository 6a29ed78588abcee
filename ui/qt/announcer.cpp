// SPDX-License-Identifier: MIT
#include "ui/qt/announcer.h"

namespace ui {

Announcer::Announcer(QWidget* window) : QWidget(window) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

// A notification is spoken when it appears; hiding it first makes the same message, the same
// result twice, appear again.
void Announcer::Announce(const QString& message) {
    hide();
    setAccessibleName(message);
    show();
}

}  // namespace ui
