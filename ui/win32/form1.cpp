// SPDX-License-Identifier: MIT
#include "ui/win32/form1.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "calc/gain.h"
#include "ui/design/form1_controls.h"
#include "ui/win32/wide_text.h"

namespace ui::win32 {
namespace {

std::string Text(HWND field) {
    return Narrow(WindowText(field));
}

// The user's decimal separator, from the regional settings.
std::string UserDecimalSeparator() {
    wchar_t separator[8] = {};  // at most three characters and the terminator
    if (!GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8)) {
        return ".";
    }
    return Narrow(separator);
}

}  // namespace

Form1::Form1(InfoWindowSlot& frmAbout, InfoWindowSlot& frmAbout1, std::function<void()> closed)
    : m_frmAbout(frmAbout),
      m_frmAbout1(frmAbout1),
      m_window(kForm1Design, nullptr, {.closed = std::move(closed)}),
      m_gain(m_window.Control(form1::Text8_0)) {
    std::ranges::transform(
        form1::kGainFields, m_gainFields.begin(),
        [this](const form1::GainField& row) { return m_window.Control(row.field); });
    m_window.OnClick(form1::Command1, [this] { Command1_Click(); });
    m_window.OnClick(form1::Command2, [this] { Command2_Click(); });
    m_window.OnClick(form1::Command3, [this] { Command3_Click(); });
}

void Form1::Command1_Click() {
    std::array<std::string, calc::kInputCount> texts;
    std::ranges::transform(m_gainFields, texts.begin(), Text);
    const std::optional<std::string> gain = calc::CalculateGain(texts, UserDecimalSeparator());
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

}  // namespace ui::win32
