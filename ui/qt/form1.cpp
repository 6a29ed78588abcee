// SPDX-License-Identifier: MIT
#include "ui/qt/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <string>

#include "calc/gain.h"
#include "ui/design/form1_controls.h"
#include "ui/qt/announcer.h"
#include "ui/qt/build_window.h"
#include "ui/qt/info_windows.h"

namespace ui {
namespace {

std::string Utf8(const QLineEdit* field) {
    return field->text().toStdString();
}

}  // namespace

Form1::Form1() : QWidget(nullptr, Qt::Window) {
    const BuiltControls built = BuildWindow(*this, kForm1Design);
    m_F = built.Get<QLineEdit>(form1::Text10_2);
    m_C2 = built.Get<QLineEdit>(form1::Text6_1);
    m_C5 = built.Get<QLineEdit>(form1::Text9_3);
    m_C7 = built.Get<QLineEdit>(form1::Text8_3);
    m_R5 = built.Get<QLineEdit>(form1::Text2_0);
    m_R6 = built.Get<QLineEdit>(form1::Text1_0);
    m_R9 = built.Get<QLineEdit>(form1::Text5_1);
    m_gain = built.Get<QLineEdit>(form1::Text8_0);
    m_announcer = new Announcer(this);
    connect(built.Get<QPushButton>(form1::Command1), &QPushButton::clicked, this,
            &Form1::Command1_Click);
    connect(built.Get<QPushButton>(form1::Command2), &QPushButton::clicked, this,
            &Form1::Command2_Click);
    connect(built.Get<QPushButton>(form1::Command3), &QPushButton::clicked, this,
            &Form1::Command3_Click);
}

void Form1::Command1_Click() {
    const std::string F = Utf8(m_F);
    const std::string C2 = Utf8(m_C2);
    const std::string C5 = Utf8(m_C5);
    const std::string C7 = Utf8(m_C7);
    const std::string R5 = Utf8(m_R5);
    const std::string R6 = Utf8(m_R6);
    const std::string R9 = Utf8(m_R9);
    // The result speaks the user's locale; the fields are always read with a full stop.
    const std::string separator = QLocale().decimalPoint().toStdString();
    const std::optional<std::string> gain = calc::CalculateGain(
        {.F = F, .C2 = C2, .C5 = C5, .C7 = C7, .R5 = R5, .R6 = R6, .R9 = R9}, separator);
    if (!gain) {
        // The result stays as it was; the beep tells the press was heard.
        QApplication::beep();
        m_announcer->Announce(QStringLiteral("Расчет не выполнен"));
        return;
    }
    m_gain->setText(QString::fromStdString(*gain));
    m_announcer->Announce(m_gain->accessibleName() + u' ' + m_gain->text());
}

void Form1::Command2_Click() {
    frmAbout().Open();
}

void Form1::Command3_Click() {
    frmAbout1().Open();
}

}  // namespace ui
