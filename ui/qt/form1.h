// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLineEdit;

namespace ui {

class Announcer;

// The main window: the fields of the circuit, "Расчет" and the two information buttons.
class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1();

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    // The fields by the quantity they hold, found once when the window is built.
    QLineEdit* m_F = nullptr;
    QLineEdit* m_C2 = nullptr;
    QLineEdit* m_C5 = nullptr;
    QLineEdit* m_C7 = nullptr;
    QLineEdit* m_R5 = nullptr;
    QLineEdit* m_R6 = nullptr;
    QLineEdit* m_R9 = nullptr;
    QLineEdit* m_gain = nullptr;
    // Tells a screen reader how a calculation went: the result field is not where the focus is.
    Announcer* m_announcer = nullptr;
};

}  // namespace ui
