// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace ui {

// Tells screen readers a short message, such as the result of a calculation, without showing
// anything or moving the focus.
//
// Qt 6.4 has no announcement event, and the AT-SPI events it has do not reach Orca 43's
// speech: a changed description or name arrives with the object instead of the new text
// (Orca drops the event), and a changed text is spoken only in the focused field. What Orca
// does speak is a notification that appears. This is one: a widget of no size that assistive
// tools see as a notification, shown anew with each message.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    void Announce(const QString& message);
};

}  // namespace ui
