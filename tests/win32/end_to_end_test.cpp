// SPDX-License-Identifier: MIT
// veltrana-gain.exe itself, started as a user starts it: its main window appears with its
// title and client size, "Расчет" shows the gain with the locale's comma, and closing the
// window ends the process with status 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ui/win32/wide_text.h"

namespace {

constexpr wchar_t kTitle[] = L" Gain for Veltrana     by_Varel_minto    v.2.0";

// Waits for a condition that another process makes true.
template <typename Condition>
bool WaitFor(Condition condition, int milliseconds = 20000) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (condition()) {
            return true;
        }
        Sleep(50);
    }
    return condition();
}

TEST(EndToEnd, Form1ComputesAndClosingItEndsTheProgram) {
    const char* program = std::getenv("VELTRANA_EXE");
    ASSERT_NE(program, nullptr) << "VELTRANA_EXE names the program to start";
    std::wstring commandLine = L"\"" + ui::win32::Widen(program) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process))
        << program;

    HWND form1 = nullptr;
    EXPECT_TRUE(WaitFor([&form1] {
        form1 = FindWindowW(nullptr, kTitle);
        return form1 && IsWindowVisible(form1);
    })) << "no visible window with Form1's exact title";
    if (form1) {
        RECT client{};
        GetClientRect(form1, &client);
        EXPECT_EQ(client.right, 457);
        EXPECT_EQ(client.bottom, 434);

        HWND calculate = FindWindowExW(form1, nullptr, L"Button", L"Расчет");
        ASSERT_NE(calculate, nullptr);
        // Text8(0): the field at 3480, 5640 twips.
        HWND gain = ChildWindowFromPoint(form1, POINT{3480 / 15 + 10, 5640 / 15 + 10});
        ASSERT_NE(gain, nullptr);
        EXPECT_EQ(ui::win32::WindowText(gain), L"0");
        SendMessageW(calculate, BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitFor([gain] { return ui::win32::WindowText(gain) == L"53,1"; }, 5000))
            << "the result shows " << ui::win32::Narrow(ui::win32::WindowText(gain));

        PostMessageW(form1, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0)
        << "the program went on after its last window closed";
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    EXPECT_EQ(status, 0u);
    if (status == STILL_ACTIVE) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
