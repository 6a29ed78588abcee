// SPDX-License-Identifier: MIT
// The rows of tests/data/behaviour.tsv, which the Linux and web suites run too, against the
// Win32 windows: each row on a program of its own, built as wWinMain builds it.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/behaviour/behaviour_table.h"
#include "tests/win32/window_checks.h"
#include "ui/win32/program.h"
#include "ui/win32/wide_text.h"

namespace {

using behaviour::ControlName;
using behaviour::Expectation;
using behaviour::Row;
using behaviour::Step;
using ui::win32::BuiltWindow;
using ui::win32::Widen;
using win32_test::PressKey;
using win32_test::Pump;
using win32_test::PumpUntil;
using win32_test::TakeQuitCode;

struct Key {
    WORD key;
    bool control;
    bool shift;
};

const std::map<std::string, Key, std::less<>> kKeys{
    {"Tab", {VK_TAB, false, false}},       {"Shift+Tab", {VK_TAB, false, true}},
    {"Enter", {VK_RETURN, false, false}},  {"Ctrl+Enter", {VK_RETURN, true, false}},
    {"Escape", {VK_ESCAPE, false, false}}, {"Space", {VK_SPACE, false, false}},
    {"Left", {VK_LEFT, false, false}},     {"Ctrl+A", {'A', true, false}},
    {"Ctrl+Z", {'Z', true, false}},
};

POINT Centre(HWND control) {
    RECT box{};
    GetWindowRect(control, &box);
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

// With the time stamp given, so that a slow machine does not space the clicks of a double-click
// out beyond the double-click time.
void MouseButton(DWORD flag, DWORD time) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    input.mi.time = time;
    SendInput(1, &input, sizeof input);
}

// A multi-line field gives its line breaks as CR LF; the table writes them as LF.
std::wstring FieldText(HWND field) {
    std::wstring text = ui::win32::WindowText(field);
    for (std::size_t at = text.find(L"\r\n"); at != std::wstring::npos;
         at = text.find(L"\r\n", at)) {
        text.erase(at, 1);
    }
    return text;
}

class Driver {
public:
    explicit Driver(const Row& row) {
        Pump(50);
        TakeQuitCode();  // the program of the row before has ended
        if (row.window == "frmAbout") {
            m_program.frmAbout().Open();
        } else if (row.window == "frmAbout1") {
            m_program.frmAbout1().Open();
        }
        Pump(100);
    }

    void Run(const Step& step) {
        switch (step.verb) {
            case Step::Verb::Focus: {
                HWND field = Control(step.target);
                SetForegroundWindow(GetAncestor(field, GA_ROOT));
                SetFocus(field);
                SendMessageW(field, EM_SETSEL, GetWindowTextLengthW(field), -1);
                break;
            }
            case Step::Verb::Key: {
                const auto key = kKeys.find(step.text);
                ASSERT_NE(key, kKeys.end()) << "no such key: " << step.text;
                PressKey(key->second.key, key->second.control, key->second.shift);
                break;
            }
            case Step::Verb::Type:
                for (const wchar_t character : Widen(step.text)) {
                    PostMessageW(GetFocus(), WM_CHAR, character, 1);
                }
                break;
            case Step::Verb::Paste:
                win32_test::PutOnClipboard(m_program.Owner(), Widen(step.text));
                PressKey('V', true);
                break;
            case Step::Verb::Click:
                SendMessageW(Control(step.target), BM_CLICK, 0, 0);
                break;
            case Step::Verb::DoubleClick:
                DoubleClick(step.target, Control(step.over));
                break;
            case Step::Verb::Close:
                SendMessageW(Window(step.target.window)->Window(), WM_CLOSE, 0, 0);
                break;
        }
        Pump(50);
    }

    void Check(const Expectation& expected) {
        switch (expected.kind) {
            case Expectation::Kind::Text:
                EXPECT_EQ(FieldText(Control(expected.control)), Widen(expected.text))
                    << expected.control.control;
                break;
            case Expectation::Kind::Length:
                EXPECT_EQ(GetWindowTextLengthW(Control(expected.control)), expected.length)
                    << expected.control.control;
                break;
            case Expectation::Kind::Open: {
                std::vector<std::string> open;
                for (const char* name : {"Form1", "frmAbout", "frmAbout1"}) {
                    if (Window(name) != nullptr) {
                        open.emplace_back(name);
                    }
                }
                std::vector<std::string> wanted = expected.open;
                std::ranges::sort(wanted);
                std::ranges::sort(open);
                EXPECT_EQ(open, wanted);
                break;
            }
            case Expectation::Kind::Focus:
                EXPECT_EQ(GetFocus(), Control(expected.control)) << expected.control.control;
                break;
            case Expectation::Kind::Ended:
                EXPECT_EQ(TakeQuitCode(), 0) << "the program did not end";
                break;
        }
    }

private:
    // The open window of that name, or null.
    BuiltWindow* Window(const std::string& name) {
        BuiltWindow* window = name == "Form1"      ? &m_program.form1().Window()
                              : name == "frmAbout" ? m_program.frmAbout().Window()
                                                   : m_program.frmAbout1().Window();
        return window != nullptr && window->IsOpen() ? window : nullptr;
    }

    HWND Control(const ControlName& name) {
        BuiltWindow* window = Window(name.window);
        if (window == nullptr) {
            throw std::runtime_error(name.window + " is not open");
        }
        return window->Control(name.control);
    }

    // Moves the window of `beneath` so that it lies under the target, then clicks the target
    // twice with the mouse as fast as a user does.
    void DoubleClick(const ControlName& target, HWND beneath) {
        HWND button = Control(target);
        const POINT on = Centre(button);
        const POINT under = Centre(beneath);
        HWND moved = GetAncestor(beneath, GA_ROOT);
        RECT frame{};
        GetWindowRect(moved, &frame);
        SetWindowPos(moved, nullptr, frame.left + on.x - under.x, frame.top + on.y - under.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetCursorPos(on.x, on.y);
        Pump(50);
        const DWORD start = GetTickCount();
        MouseButton(MOUSEEVENTF_LEFTDOWN, start);
        MouseButton(MOUSEEVENTF_LEFTUP, start + 60);
        PumpUntil([&] { return Window(target.window) == nullptr; });
        MouseButton(MOUSEEVENTF_LEFTDOWN, start + 140);
        MouseButton(MOUSEEVENTF_LEFTUP, start + 200);
    }

    ui::win32::Program m_program;
};

TEST(Behaviour, EveryRowOfTheTable) {
    for (const Row& row : behaviour::ReadRows(BEHAVIOUR_FILE, "windows")) {
        SCOPED_TRACE(row.what);
        if (!row.skip.empty()) {
            std::cout << "[  SKIPPED ] " << row.what << ": " << row.skip << '\n';
            continue;
        }
        Driver driver(row);
        for (const Step& step : row.steps) {
            driver.Run(step);
        }
        for (const Expectation& expected : row.expect) {
            driver.Check(expected);
        }
    }
}

}  // namespace
