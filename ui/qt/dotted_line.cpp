// SPDX-License-Identifier: MIT
#include "ui/qt/dotted_line.h"

#include <QPainter>
#include <QPen>

namespace ui {

DottedLine::DottedLine(QRect pixels, QColor colour, QWidget* parent)
    : QWidget(parent), m_colour(colour) {
    setGeometry(pixels);
    // Level or upright, so the line runs from corner to corner of the pixels it covers.
    m_line = QLine(QPoint(0, 0), QPoint(pixels.width() - 1, pixels.height() - 1));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DottedLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(m_colour, 0, Qt::DotLine));  // width 0: cosmetic, one pixel at any scale
    painter.drawLine(m_line);
}

}  // namespace ui
