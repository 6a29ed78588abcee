// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace ui {

// A picture that takes the focus from the keyboard, so that a screen reader reads its name and
// description, and shows a focus frame while it has it: a label draws none of its own.
class PictureBox : public QLabel {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
