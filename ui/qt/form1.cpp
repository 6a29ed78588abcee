// SPDX-License-Identifier: MIT
#include "ui/qt/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <algorithm>
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

Form1::Form1(InfoWindowSlot& frmAbout, InfoWindowSlot& frmAbout1)
    : QWidget(nullptr, Qt::Window), m_frmAbout(frmAbout), m_frmAbout1(frmAbout1) {
    const BuiltControls built = BuildWindow(*this, kForm1Design);
    std::ranges::transform(
        form1::kGainFields, m_gainFields.begin(),
        [&](const form1::GainField& row) { return built.Get<QLineEdit>(row.field); });
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
    std::array<std::string, calc::kInputCount> texts;
    std::ranges::transform(m_gainFields, texts.begin(), Utf8);
    // The result speaks the user's locale; the fields are always read with a full stop.
    const std::string separator = QLocale().decimalPoint().toStdString();
    const std::optional<std::string> gain = calc::CalculateGain(texts, separator);
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
    m_frmAbout.Open();
}

void Form1::Command3_Click() {
    m_frmAbout1.Open();
}

}  // namespace ui
