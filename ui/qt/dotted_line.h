// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

namespace ui {

// A one-pixel dotted line between two points of its parent, drawn over what lies beneath
// and invisible to the mouse.
class DottedLine : public QWidget {
    Q_OBJECT

public:
    DottedLine(QLine line, QColor colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine m_line;  // in the widget's own coordinates
    QColor m_colour;
};

}  // namespace ui
