// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLineEdit;

namespace ui {

// The main window: the fields of the circuit, "Расчет" and the two information buttons.
class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1();

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    [[nodiscard]] QLineEdit* Field(const char* name) const;
};

}  // namespace ui
