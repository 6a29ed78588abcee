// SPDX-License-Identifier: MIT
#include "form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <string>

#include "build_window.h"
#include "gain.h"
#include "info_windows.h"

namespace ui {
namespace {

std::string Utf8(const QLineEdit* field) {
    return field->text().toStdString();
}

}  // namespace

Form1::Form1() : QWidget(nullptr, Qt::Window) {
    BuildWindow(*this, kForm1Design);
    connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            &Form1::Command1_Click);
    connect(findChild<QPushButton*>(QStringLiteral("Command2")), &QPushButton::clicked, this,
            &Form1::Command2_Click);
    connect(findChild<QPushButton*>(QStringLiteral("Command3")), &QPushButton::clicked, this,
            &Form1::Command3_Click);
}

QLineEdit* Form1::Field(const char* name) const {
    return findChild<QLineEdit*>(QString::fromLatin1(name));
}

void Form1::Command1_Click() {
    const std::string F = Utf8(Field("Text10(2)"));
    const std::string C2 = Utf8(Field("Text6(1)"));
    const std::string C5 = Utf8(Field("Text9(3)"));
    const std::string C7 = Utf8(Field("Text8(3)"));
    const std::string R5 = Utf8(Field("Text2(0)"));
    const std::string R6 = Utf8(Field("Text1(0)"));
    const std::string R9 = Utf8(Field("Text5(1)"));
    // The result speaks the user's locale; the fields are always read with a full stop.
    const std::string separator = QLocale().decimalPoint().toStdString();
    const std::optional<std::string> gain = calc::CalculateGain(
        {.F = F, .C2 = C2, .C5 = C5, .C7 = C7, .R5 = R5, .R6 = R6, .R9 = R9}, separator);
    if (!gain) {
        // The result stays as it was; the beep tells the press was heard.
        QApplication::beep();
        return;
    }
    Field("Text8(0)")->setText(QString::fromStdString(*gain));
}

void Form1::Command2_Click() {
    frmAbout().Open();
}

void Form1::Command3_Click() {
    frmAbout1().Open();
}

}  // namespace ui
