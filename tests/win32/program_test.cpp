// SPDX-License-Identifier: MIT
// The program as a user drives it: the tab cycle, Enter and Escape, the information windows'
// slots, the end of the message loop with the last window, the result's decimal separator and
// very long pastes. Each test builds the whole program, as wWinMain does.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/win32/window_checks.h"
#include "ui/design/form1_controls.h"
#include "ui/design/info_window_controls.h"
#include "ui/win32/program.h"
#include "ui/win32/wide_text.h"

namespace {

using ui::win32::BuiltWindow;
using ui::win32::InfoWindowSlot;
using ui::win32::WindowText;
using win32_test::PressKey;
using win32_test::Pump;
using win32_test::PumpUntil;
using win32_test::PutOnClipboard;
using win32_test::TakeQuitCode;

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        Pump(50);
        TakeQuitCode();  // a previous test's program may have ended
    }

    static void Click(HWND button) {
        SendMessageW(button, BM_CLICK, 0, 0);
        Pump(50);
    }
    // The design name of the control holding the focus, or what else holds it.
    static std::string FocusName(const BuiltWindow& window,
                                 const std::vector<std::string_view>& names) {
        HWND focus = GetFocus();
        for (std::string_view name : names) {
            if (window.Control(name) == focus) {
                return std::string(name);
            }
        }
        return focus ? "a control outside the list" : "nothing";
    }
    static bool Closed(const InfoWindowSlot& slot) {
        return PumpUntil([&slot] { return !slot.IsOpen(); }, 1000);
    }

    ui::win32::Program m_program;
};

struct TabCycle {
    const char* window;
    std::vector<std::string_view> order;  // from the first focus, once round
};

TEST_F(ProgramTest, TabRunsThroughEachWindowInItsDesignedOrder) {
    namespace f = ui::form1;
    const TabCycle cycles[] = {
        {"Form1",
         {f::Text1_0, f::Text2_0, f::Command1, f::Command2, f::Command3, f::Text6_1, f::Text5_1,
          f::Text10_2, f::Text9_3, f::Text8_3, f::Text8_0}},
        {"frmAbout", {ui::info_window::cmdOK, "Text1", "Picture1"}},
        {"frmAbout1", {ui::info_window::cmdOK, "OLE1", "Text1"}},
    };
    for (const TabCycle& cycle : cycles) {
        const std::string_view name = cycle.window;
        if (name == "frmAbout") {
            m_program.frmAbout().Open();
        } else if (name == "frmAbout1") {
            m_program.frmAbout1().Open();
        }
        const BuiltWindow& window = name == "Form1"      ? m_program.form1().Window()
                                    : name == "frmAbout" ? *m_program.frmAbout().Window()
                                                         : *m_program.frmAbout1().Window();
        Pump(100);
        for (size_t step = 0; step <= cycle.order.size(); ++step) {
            const std::string_view expected = cycle.order[step % cycle.order.size()];
            EXPECT_EQ(FocusName(window, cycle.order), expected)
                << cycle.window << " after " << step << " presses of Tab";
            PressKey(VK_TAB);
        }
    }
}

TEST_F(ProgramTest, EnterAndEscapeCloseAnInformationWindowRightAfterItOpens) {
    struct Row {
        const char* what;
        InfoWindowSlot& slot;
        WORD key;
    };
    const Row rows[] = {
        {"frmAbout, Enter", m_program.frmAbout(), VK_RETURN},
        {"frmAbout, Escape", m_program.frmAbout(), VK_ESCAPE},
        {"frmAbout1, Enter", m_program.frmAbout1(), VK_RETURN},
        {"frmAbout1, Escape", m_program.frmAbout1(), VK_ESCAPE},
    };
    for (const Row& row : rows) {
        row.slot.Open();
        Pump(100);
        PressKey(row.key);
        EXPECT_TRUE(Closed(row.slot)) << row.what;
    }
}

TEST_F(ProgramTest, EnterAndEscapeInForm1PressNothing) {
    BuiltWindow& form1 = m_program.form1().Window();
    SetWindowTextW(form1.Control(ui::form1::Text8_0), L"typed");
    for (const WORD key : {VK_RETURN, VK_ESCAPE}) {
        SetFocus(form1.Control(ui::form1::Text10_2));
        PressKey(key);
        EXPECT_TRUE(form1.IsOpen()) << key;
        EXPECT_EQ(WindowText(form1.Control(ui::form1::Text8_0)), L"typed") << key;
        EXPECT_FALSE(m_program.frmAbout().IsOpen()) << key;
        EXPECT_FALSE(m_program.frmAbout1().IsOpen()) << key;
    }
}

struct TitledWindows {
    const std::wstring& title;
    int found = 0;
};

// A named function, not a lambda: 32-bit Windows calls it with its own calling convention.
BOOL CALLBACK CountTitled(HWND window, LPARAM data) {
    auto& count = *reinterpret_cast<TitledWindows*>(data);
    count.found += IsWindowVisible(window) && WindowText(window) == count.title;
    return TRUE;
}

// How many visible windows of this thread bear the title.
int VisibleWindowsTitled(const std::wstring& title) {
    TitledWindows count{title};
    EnumThreadWindows(GetCurrentThreadId(), CountTitled, reinterpret_cast<LPARAM>(&count));
    return count.found;
}

TEST_F(ProgramTest, SecondRequestKeepsTheOpenWindowAndClosingLetsItBeBuiltAfresh) {
    BuiltWindow& form1 = m_program.form1().Window();
    const struct {
        const char* what;
        InfoWindowSlot& slot;
        std::string_view button;
        const wchar_t* title;
    } rows[] = {
        {"frmAbout", m_program.frmAbout(), ui::form1::Command2, L"О программе v.2.0"},
        {"frmAbout1", m_program.frmAbout1(), ui::form1::Command3, L"Автор программы"},
    };
    for (const auto& row : rows) {
        Click(form1.Control(row.button));
        ASSERT_TRUE(row.slot.IsOpen()) << row.what;
        HWND first = row.slot.Window()->Window();
        HWND text = row.slot.Window()->Control("Text1");
        const std::wstring stored = WindowText(text);
        SetWindowTextW(text, L"typed over");
        Click(form1.Control(row.button));
        EXPECT_EQ(row.slot.Window()->Window(), first) << row.what << ": a second window";
        EXPECT_EQ(WindowText(text), L"typed over") << row.what << ": the open window was rebuilt";
        EXPECT_EQ(VisibleWindowsTitled(row.title), 1) << row.what;
        // Owned by the program's hidden window, so it has no task-bar button, and not by Form1,
        // so it outlives it.
        EXPECT_EQ(GetWindow(first, GW_OWNER), m_program.Owner()) << row.what;
        EXPECT_NE(GetWindow(first, GW_OWNER), form1.Window()) << row.what;

        Click(row.slot.Window()->Control(ui::info_window::cmdOK));
        EXPECT_TRUE(Closed(row.slot)) << row.what;
        EXPECT_FALSE(IsWindow(first)) << row.what;
        EXPECT_EQ(VisibleWindowsTitled(row.title), 0) << row.what;

        Click(form1.Control(row.button));
        ASSERT_TRUE(row.slot.IsOpen()) << row.what;
        EXPECT_EQ(WindowText(row.slot.Window()->Control("Text1")), stored)
            << row.what << ": not built afresh";
        EXPECT_EQ(VisibleWindowsTitled(row.title), 1) << row.what;
    }
    EXPECT_FALSE(IsWindowVisible(m_program.Owner()));
    // Form1 has its own task-bar button: no owner, not a tool window.
    EXPECT_EQ(GetWindow(form1.Window(), GW_OWNER), nullptr);
    EXPECT_EQ(GetWindowLongW(form1.Window(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
}

// The loop ends with status 0 when the last of the open windows closes, whichever it is.
TEST_F(ProgramTest, TheLastWindowToCloseEndsTheProgram) {
    HWND form1 = m_program.form1().Window().Window();
    m_program.frmAbout().Open();
    m_program.frmAbout1().Open();
    Pump(100);

    SendMessageW(form1, WM_CLOSE, 0, 0);
    Pump(200);
    EXPECT_FALSE(IsWindow(form1));
    EXPECT_TRUE(m_program.frmAbout().IsOpen()) << "closing Form1 took frmAbout with it";
    EXPECT_TRUE(m_program.frmAbout1().IsOpen()) << "closing Form1 took frmAbout1 with it";
    EXPECT_EQ(TakeQuitCode(), std::nullopt) << "ended with windows still open";

    SendMessageW(m_program.frmAbout().Window()->Window(), WM_CLOSE, 0, 0);
    Pump(200);
    EXPECT_EQ(TakeQuitCode(), std::nullopt) << "ended with frmAbout1 still open";

    Click(m_program.frmAbout1().Window()->Control(ui::info_window::cmdOK));
    Pump(200);
    EXPECT_EQ(TakeQuitCode(), 0);
}

TEST_F(ProgramTest, Form1AloneEndsTheProgramWhenClosed) {
    SendMessageW(m_program.form1().Window().Window(), WM_CLOSE, 0, 0);
    Pump(200);
    EXPECT_EQ(TakeQuitCode(), 0);
}

// Run under a Russian locale (LANG=ru_RU.UTF-8 for wine): the result takes its comma.
TEST_F(ProgramTest, ResultUsesTheUsersDecimalSeparatorAndAFailureChangesNothing) {
    BuiltWindow& form1 = m_program.form1().Window();
    HWND gain = form1.Control(ui::form1::Text8_0);
    Click(form1.Control(ui::form1::Command1));
    EXPECT_EQ(WindowText(gain), L"53,1");

    SetWindowTextW(form1.Control(ui::form1::Text10_2), L"");
    Click(form1.Control(ui::form1::Command1));
    EXPECT_EQ(WindowText(gain), L"53,1") << "a failed calculation changed the result";
    EXPECT_EQ(WindowText(form1.Control(ui::form1::Text10_2)), L"");

    SetWindowTextW(form1.Control(ui::form1::Text10_2), L"1");
    Click(form1.Control(ui::form1::Command1));
    EXPECT_EQ(WindowText(gain), L"17,1");
}

// Counts the Ctrl+A presses that reach a field's own procedure. Windows 7's edit control beeps
// at them, where wine's and Windows 10's select all: the program must take them first.
WNDPROC g_editProcedure = nullptr;
int g_ctrlAReachingTheField = 0;
LRESULT CALLBACK CountingCtrlA(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == 'A' && GetKeyState(VK_CONTROL) < 0) {
        ++g_ctrlAReachingTheField;
    }
    return CallWindowProcW(g_editProcedure, field, message, wParam, lParam);
}

// The longest text a field takes, pasted into every field of every window; Ctrl+A then selects
// all of it, without the field's own handling of the key.
TEST_F(ProgramTest, EveryFieldTakesALongPasteAndCtrlASelectsAllOfIt) {
    m_program.frmAbout().Open();
    m_program.frmAbout1().Open();
    const std::wstring pasted(32767, L'7');
    PutOnClipboard(m_program.Owner(), pasted);
    const struct {
        const char* window;
        BuiltWindow& built;
        std::string_view field;
    } rows[] = {
        {"Form1", m_program.form1().Window(), ui::form1::Text10_2},
        {"Form1", m_program.form1().Window(), ui::form1::Text1_0},
        {"Form1", m_program.form1().Window(), ui::form1::Text2_0},
        {"Form1", m_program.form1().Window(), ui::form1::Text5_1},
        {"Form1", m_program.form1().Window(), ui::form1::Text6_1},
        {"Form1", m_program.form1().Window(), ui::form1::Text9_3},
        {"Form1", m_program.form1().Window(), ui::form1::Text8_3},
        {"Form1", m_program.form1().Window(), ui::form1::Text8_0},
        {"frmAbout", *m_program.frmAbout().Window(), "Text1"},
        {"frmAbout1", *m_program.frmAbout1().Window(), "Text1"},
    };
    for (const auto& row : rows) {
        HWND field = row.built.Control(row.field);
        SetForegroundWindow(row.built.Window());
        SetFocus(field);
        SetWindowTextW(field, L"");
        SendMessageW(field, WM_PASTE, 0, 0);
        EXPECT_EQ(GetWindowTextLengthW(field), 32767) << row.window << ' ' << row.field;
        SendMessageW(field, EM_SETSEL, 0, 0);
        g_ctrlAReachingTheField = 0;
        g_editProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingCtrlA)));
        PressKey('A', true);
        SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_editProcedure));
        EXPECT_EQ(g_ctrlAReachingTheField, 0) << row.window << ' ' << row.field;
        DWORD start = 1;
        DWORD end = 0;
        SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u) << row.window << ' ' << row.field;
        EXPECT_EQ(end, 32767u) << row.window << ' ' << row.field;
    }
    // 32,767 sevens overflow every step; the result stays as it was.
    HWND gain = m_program.form1().Window().Control(ui::form1::Text8_0);
    SetWindowTextW(gain, L"0");
    Click(m_program.form1().Window().Control(ui::form1::Command1));
    EXPECT_EQ(WindowText(gain), L"0");
}

}  // namespace
