// SPDX-License-Identifier: MIT
// What the user sees when Windows refuses the program a window or a picture does not decode:
// one sentence in a message box, no half-made window left behind, and a program that goes on
// where it can. Windows is made to refuse for real, through a hook on window creation.
#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tests/win32/told.h"
#include "tests/win32/window_checks.h"
#include "ui/design/design.h"
#include "ui/design/form1_controls.h"
#include "ui/win32/built_window.h"
#include "ui/win32/info_windows.h"
#include "ui/win32/program.h"
#include "ui/win32/wide_text.h"

namespace {

using ui::win32::BuiltWindow;
using win32_test::RefusedWindow;
using win32_test::TakeTold;
using win32_test::ThreadWindows;

class FailureTest : public ::testing::Test {
protected:
    void SetUp() override {
        win32_test::Pump(50);
        win32_test::TakeQuitCode();
        TakeTold();
        m_windowsBefore = ThreadWindows();
    }
    int m_windowsBefore = 0;
};

TEST_F(FailureTest, AStartThatCannotShowForm1SaysWhyAndEndsWithStatus1) {
    const RefusedWindow refused(L"Расчет");
    int status = 0;
    EXPECT_NO_THROW(status = ui::win32::RunProgram());
    EXPECT_EQ(status, 1);
    EXPECT_GT(refused.Refusals(), 0);
    const std::vector<std::wstring> told = TakeTold();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0],
              L"Программа не может начать работу: Windows не дала ей создать главное окно.");
    EXPECT_EQ(ThreadWindows(), m_windowsBefore) << "a window of the failed start is left";
}

// Windows refuses the window itself, or one control at the start, the middle or the end of the
// building: the window made so far goes, and its owner hears nothing of it closing.
TEST_F(FailureTest, AWindowThatCannotBeBuiltLeavesNothingBehind) {
    struct Row {
        const ui::WindowDesign& design;
        const wchar_t* refused;
    };
    const Row rows[] = {
        {ui::kForm1Design, L" Gain for Veltrana     by_Varel_minto    v.2.0"},
        {ui::kForm1Design, L"Расчет"},
        {ui::kForm1Design, L"Конденсатор С7"},
        {ui::kFrmAboutDesign, L"Понял"},
        {ui::kFrmAbout1Design, L"Варел Минто"},
    };
    for (const Row& row : rows) {
        int closed = 0;
        {
            const RefusedWindow refused(row.refused);
            EXPECT_THROW(BuiltWindow(row.design, nullptr, {.closed = [&closed] { ++closed; }}),
                         std::runtime_error)
                << row.design.name << " without " << ui::win32::Narrow(row.refused);
            EXPECT_EQ(refused.Refusals(), 1) << ui::win32::Narrow(row.refused);
        }
        win32_test::Pump(50);
        EXPECT_EQ(ThreadWindows(), m_windowsBefore)
            << row.design.name << " without " << ui::win32::Narrow(row.refused) << " is left";
        EXPECT_EQ(closed, 0) << row.design.name;
    }
    EXPECT_TRUE(TakeTold().empty());
}

// The information window cannot be built: the user is told which command failed, and the
// program goes on; once Windows relents, the command works.
TEST_F(FailureTest, ACommandThatFailsSaysSoAndTheProgramGoesOn) {
    ui::win32::Program program;
    HWND command2 = program.form1().Window().Control(ui::form1::Command2);
    const int withForm1 = ThreadWindows();
    {
        const RefusedWindow refused(L"Понял");
        SendMessageW(command2, BM_CLICK, 0, 0);
        win32_test::Pump(50);
    }
    EXPECT_EQ(TakeTold(),
              std::vector<std::wstring>{L"Не удалось выполнить команду «О программе»."});
    EXPECT_FALSE(program.frmAbout().IsOpen());
    EXPECT_EQ(ThreadWindows(), withForm1) << "a half-made frmAbout is left";
    EXPECT_TRUE(program.form1().Window().IsOpen());

    SendMessageW(command2, BM_CLICK, 0, 0);
    win32_test::Pump(50);
    EXPECT_TRUE(program.frmAbout().IsOpen());
    EXPECT_TRUE(TakeTold().empty());
}

// A failure outside any button's handler stops at the window procedure and is told once.
TEST_F(FailureTest, NothingThrownCrossesTheWindowProcedure) {
    for (int time = 0; time < 2; ++time) {
        BuiltWindow window(ui::kFrmAbout1Design, nullptr,
                           {.closed = [] { throw std::runtime_error("closing failed"); }});
        EXPECT_NO_THROW(DestroyWindow(window.Window()));
        EXPECT_FALSE(window.IsOpen());
    }
    EXPECT_EQ(TakeTold(), std::vector<std::wstring>{
                              L"Произошла ошибка, и последнее действие программы не выполнено."});
}

// The pictures as a build would hold them had their resources not been built in.
// clang-format off
const ui::PictureDesign kUnreadableDiagram[] = {
    {"Picture1", "missing.jpg", {240, 1800, 7335, 6495}, ui::PictureFit::NaturalSize, 2, "Схема входного каскада", "схема"},
};
const ui::PictureDesign kUnreadablePortrait[] = {
    {"OLE1", "missing.bmp", {120, 120, 2055, 3015}, ui::PictureFit::ScaledToFit, 1, "Портрет автора", "портрет"},
};
// clang-format on

ui::WindowDesign WithPictures(ui::WindowDesign design,
                              std::span<const ui::PictureDesign> pictures) {
    design.pictures = pictures;
    return design;
}

TEST_F(FailureTest, AnUnreadablePictureLeavesAnEmptyFrameAndIsToldOnce) {
    static const ui::WindowDesign frmAbout = WithPictures(ui::kFrmAboutDesign, kUnreadableDiagram);
    static const ui::WindowDesign frmAbout1 =
        WithPictures(ui::kFrmAbout1Design, kUnreadablePortrait);
    struct Row {
        const ui::WindowDesign& design;
        std::string_view picture;
    };
    const Row rows[] = {{frmAbout, "Picture1"}, {frmAbout, "Picture1"}, {frmAbout1, "OLE1"}};
    for (const Row& row : rows) {
        ui::win32::InfoWindowSlot slot(row.design, nullptr, [] {});
        ASSERT_NO_THROW(slot.Open()) << row.design.name;
        ASSERT_TRUE(slot.IsOpen()) << row.design.name;
        UpdateWindow(slot.Window()->Window());
        win32_test::Pump(200);
        const win32_test::Capture shown(slot.Window()->Window());
        HWND picture = slot.Window()->Control(row.picture);
        const RECT box = win32_test::RectInParent(picture);
        const COLORREF background = shown.At(2, 2);
        int drawn = 0;
        for (int y = box.top; y < std::min<int>(box.bottom, shown.Height()); ++y) {
            for (int x = box.left; x < std::min<int>(box.right, shown.Width()); ++x) {
                drawn += ChildWindowFromPointEx(slot.Window()->Window(), POINT{x, y},
                                                CWP_SKIPINVISIBLE) == picture &&
                         shown.At(x, y) != background;
            }
        }
        EXPECT_EQ(drawn, 0) << row.design.name << ": the empty frame is not empty";
        slot.cmdOK_Click();
        win32_test::Pump(50);
    }
    EXPECT_EQ(TakeTold(),
              std::vector<std::wstring>{L"Картинку «Схема входного каскада» не удалось прочитать, "
                                        L"и её место в окне осталось пустым."});
}

}  // namespace
