// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <array>

#include "ui/design/form1_gain.h"

class QLineEdit;

namespace ui {

class Announcer;
class InfoWindowSlot;

// The main window: the fields of the circuit, "Расчет" and the two information buttons.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // The two buttons open the information windows in these slots.
    Form1(InfoWindowSlot& frmAbout, InfoWindowSlot& frmAbout1);

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    InfoWindowSlot& m_frmAbout;
    InfoWindowSlot& m_frmAbout1;
    // The fields "Расчет" reads, in the calculation's order, and the result, found once when the
    // window is built.
    std::array<QLineEdit*, form1::kGainFields.size()> m_gainFields{};
    QLineEdit* m_gain = nullptr;
    // Tells a screen reader how a calculation went: the result field is not where the focus is.
    Announcer* m_announcer = nullptr;
};

}  // namespace ui
