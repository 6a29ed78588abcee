// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

namespace ui {

// A one-pixel dotted line, level or upright, over the pixels of its parent it covers (both its
// ends included), drawn over what lies beneath and invisible to the mouse.
class DottedLine : public QWidget {
    Q_OBJECT

public:
    DottedLine(QRect pixels, QColor colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine m_line;  // in the widget's own coordinates
    QColor m_colour;
};

}  // namespace ui
