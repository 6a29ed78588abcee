// SPDX-License-Identifier: MIT
// frmAbout1, "Автор программы": the author's portrait and card.
#include "ui/design/design.h"
#include "ui/design/info_window_controls.h"
#include "ui/design/palette.h"

namespace ui {
namespace {

constexpr FontDesign kTimes12Bold{"Times New Roman", 12, true};
constexpr FontDesign kTimes11{"Times New Roman", 11.25};

constexpr std::string_view kAffiliation =
    "\t   Студент кафедры\r\n"
    "\t\"Радиотехнические системы\"\r\n"
    "    Северного политехнического университета\r\n"
    "\t\t\"Полярная звезда\"\r\n";

// clang-format off
constexpr PictureDesign kPictures[] = {
    // name  resource       left top  width height fit                    tab spoken as
    {"OLE1", "author.bmp", {120, 120, 2055, 3015}, PictureFit::ScaledToFit, 1, "Портрет автора",
     "Рисованный портрет автора"},
};

constexpr LabelDesign kLabels[] = {
    // name        caption                             left  top   width height  colour  background      font
    {"Label1(0)", "Варел Минто",                      {4080, 120,  2175, 375}, kGreen, kDesktopColour, kTimes12Bold},
    {"Label1(1)", "E-mail:     varel@example.org",    {3000, 1800, 3255, 495}, kOlive, kDesktopColour, kTimes12Bold},
    {"Label1(2)", "Skype:     varel_minto",           {3000, 2160, 3255, 495}, kOlive, kDesktopColour, kTimes12Bold},
};

constexpr FieldDesign kFields[] = {
    // name    lines              left  top  width height  text          text colour  background      font      tab spoken as
    {"Text1", FieldLines::Multi, {2400, 600, 5295, 1095}, kAffiliation, kPaleYellow, kDesktopColour, kTimes11, 3, "Место учёбы автора"},
};

constexpr ButtonDesign kButtons[] = {
    // name    caption          left  top   width height  face     font      tab role
    {info_window::cmdOK, "Знаю такого)", {3960, 2640, 1620, 465}, kYellow, kTimes12, 0, ButtonRole::DefaultAndCancel},
};
// clang-format on

}  // namespace

const WindowDesign kFrmAbout1Design{
    .name = "frmAbout1",
    .title = "Автор программы",
    .clientSize = {7440, 3300},
    .clientPosition = TwipsPoint{5265, 3270},
    .background = kDesktopColour,
    .icon = {},
    .taskbarButton = false,
    .fields = kFields,
    .pictures = kPictures,
    .labels = kLabels,
    .buttons = kButtons,
    .lines = {},
};

}  // namespace ui
