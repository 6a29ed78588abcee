// SPDX-License-Identifier: MIT
#include "ui/qt/dotted_line.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

namespace ui {

DottedLine::DottedLine(QLine line, QColor colour, QWidget* parent)
    : QWidget(parent), m_colour(colour) {
    // Not QRect::normalized(), which trims a pixel off a rectangle given right to left.
    const QRect bounds(QPoint(std::min(line.x1(), line.x2()), std::min(line.y1(), line.y2())),
                       QPoint(std::max(line.x1(), line.x2()), std::max(line.y1(), line.y2())));
    setGeometry(bounds);
    m_line = line.translated(-bounds.topLeft());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DottedLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(m_colour, 0, Qt::DotLine));  // width 0: cosmetic, one pixel at any scale
    painter.drawLine(m_line);
}

}  // namespace ui
