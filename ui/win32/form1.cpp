// SPDX-License-Identifier: MIT
#include "ui/win32/form1.h"

#include "calc/gain.h"
#include "ui/design/form1_controls.h"
#include "ui/win32/wide_text.h"

namespace ui::win32 {

Form1::Form1(InfoWindowSlot& frmAbout, InfoWindowSlot& frmAbout1, std::function<void()> closed)
    : m_frmAbout(frmAbout),
      m_frmAbout1(frmAbout1),
      m_window(kForm1Design, nullptr,
               {.clicked = [this](std::string_view button) { Clicked(button); },
                .closed = std::move(closed)}),
      m_frequency(m_window.Control(form1::Text10_2)),
      m_c2(m_window.Control(form1::Text6_1)),
      m_c5(m_window.Control(form1::Text9_3)),
      m_c7(m_window.Control(form1::Text8_3)),
      m_r5(m_window.Control(form1::Text2_0)),
      m_r6(m_window.Control(form1::Text1_0)),
      m_r9(m_window.Control(form1::Text5_1)),
      m_gain(m_window.Control(form1::Text8_0)) {}

void Form1::Clicked(std::string_view button) {
    if (button == form1::Command1) {
        Command1_Click();
    } else if (button == form1::Command2) {
        Command2_Click();
    } else if (button == form1::Command3) {
        Command3_Click();
    }
}

std::string Form1::Text(HWND field) const {
    std::wstring text(GetWindowTextLengthW(field), L'\0');
    text.resize(GetWindowTextW(field, text.data(), static_cast<int>(text.size()) + 1));
    return Narrow(text);
}

void Form1::Command1_Click() {
    const std::string f = Text(m_frequency);
    const std::string c2 = Text(m_c2);
    const std::string c5 = Text(m_c5);
    const std::string c7 = Text(m_c7);
    const std::string r5 = Text(m_r5);
    const std::string r6 = Text(m_r6);
    const std::string r9 = Text(m_r9);
    const std::optional<std::string> gain =
        calc::CalculateGain({.F = f, .C2 = c2, .C5 = c5, .C7 = c7, .R5 = r5, .R6 = r6, .R9 = r9},
                            UserDecimalSeparator());
    if (!gain) {
        // The result keeps its text; the beep says the press was heard and came to nothing.
        MessageBeep(MB_ICONWARNING);
        return;
    }
    SetWindowTextW(m_gain, Widen(*gain).c_str());
}

void Form1::Command2_Click() {
    m_frmAbout.Open();
}

void Form1::Command3_Click() {
    m_frmAbout1.Open();
}

std::string UserDecimalSeparator() {
    wchar_t separator[8] = {};  // at most three characters and the terminator
    if (!GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8)) {
        return ".";
    }
    return Narrow(separator);
}

}  // namespace ui::win32
