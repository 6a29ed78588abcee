// SPDX-License-Identifier: MIT
#include "ui/qt/picture_box.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ui {

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {
    // Only Tab brings the focus here: a click on a picture changes nothing for the eye.
    setFocusPolicy(Qt::TabFocus);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    // The focus only ever comes from the keyboard, and styles draw the frame only then.
    frame.state |= QStyle::State_KeyboardFocusChange;
    frame.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

}  // namespace ui
