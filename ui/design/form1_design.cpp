// SPDX-License-Identifier: MIT
// Form1, the main window: seven input rows, the result row and three buttons along the top.
#include "ui/design/design.h"
#include "ui/design/form1_controls.h"
#include "ui/design/palette.h"

namespace ui {
namespace {

constexpr FontDesign kFieldFont{"MS Sans Serif", 18};
constexpr FontDesign kLabelFont{"MS Sans Serif", 12};

// clang-format off
constexpr FieldDesign kFields[] = {
    // name        lines               left  top   width height  text    text colour        background   font        tab spoken as
    {form1::Text10_2, FieldLines::Single, {3480, 1200, 1695, 555}, "10",   kWindowTextColour, kOrange,     kFieldFont, 13, "Рабочая частота, кГц"},
    {form1::Text1_0,  FieldLines::Single, {3480, 1800, 1695, 555}, "1200", kWindowTextColour, kOrange,     kFieldFont,  0, "Резистор R6, Ом"},
    {form1::Text2_0,  FieldLines::Single, {3480, 2400, 1695, 555}, "100",  kWindowTextColour, kLightGreen, kFieldFont,  1, "Резистор R5, кОм"},
    {form1::Text5_1,  FieldLines::Single, {3480, 3000, 1695, 555}, "100",  kWindowTextColour, kLightGreen, kFieldFont, 11, "Резистор R9, кОм"},
    {form1::Text6_1,  FieldLines::Single, {3480, 3600, 1695, 555}, "4700", kWindowTextColour, kLightGreen, kFieldFont, 10, "Конденсатор С2, пФ"},
    {form1::Text9_3,  FieldLines::Single, {3480, 4200, 1695, 555}, "33",   kWindowTextColour, kLightGreen, kFieldFont, 14, "Конденсатор С5, нФ"},
    {form1::Text8_3,  FieldLines::Single, {3480, 4800, 1695, 555}, "22",   kWindowTextColour, kLightGreen, kFieldFont, 15, "Конденсатор С7, пФ"},
    {form1::Text8_0,  FieldLines::Single, {3480, 5640, 1695, 555}, "0",    kWindowTextColour, kLightGreen, kFieldFont, 21, "Коэфициент усиления"},
};

// The С in the capacitor captions is the Cyrillic letter; the R of the resistors is Latin.
constexpr LabelDesign kLabels[] = {
    // name         caption                                               left  top   width height  colour        background      font
    {"Label1(11)", "Вводим реальные параметры установленных элементов", {120,  720,  7335, 375}, kRed,          kDesktopColour, kLabelFont},
    {"Label1(0)",  "Рабочая частота",                                    {360,  1320, 2895, 375}, kLightYellow, kDesktopColour, kLabelFont},
    {"Label1(1)",  "кГц",                                                {5400, 1320, 495,  255}, kLightYellow, kDesktopColour, kLabelFont},
    {"Label1(2)",  "Резистор R6",                                        {360,  1920, 3015, 375}, kLightYellow, kDesktopColour, kLabelFont},
    {"Label1(3)",  "Ом",                                                 {5400, 1920, 495,  255}, kLightYellow, kDesktopColour, kLabelFont},
    {"Label1(6)",  "Резистор R5",                                        {360,  2520, 2655, 375}, kLightYellow, kDesktopColour, kLabelFont},
    {"Label1(9)",  "кОм",                                                {5400, 2520, 495,  255}, kLightYellow, kDesktopColour, kLabelFont},
    {"Label1(4)",  "Резистор R9",                                        {360,  3120, 3015, 375}, kLightYellow, kDesktopColour, kLabelFont},
    {"Label1(10)", "кОм",                                                {5400, 3120, 495,  255}, kLightYellow, kDesktopColour, kLabelFont},
    {"Label1(5)",  "Конденсатор С2",                                     {360,  3720, 3015, 375}, kLightYellow, kDesktopColour, kLabelFont},
    {"Label1(12)", "пФ",                                                 {5400, 3720, 495,  255}, kLightYellow, kDesktopColour, kLabelFont},
    {"Label1(7)",  "Конденсатор С5",                                     {360,  4320, 3015, 375}, kLightYellow, kDesktopColour, kLabelFont},
    {"Label1(15)", "нФ",                                                 {5400, 4320, 495,  255}, kLightYellow, kDesktopColour, kLabelFont},
    {"Label1(8)",  "Конденсатор С7",                                     {360,  4920, 3015, 375}, kLightYellow, kDesktopColour, kLabelFont},
    {"Label1(13)", "пФ",                                                 {5400, 4920, 495,  255}, kLightYellow, kDesktopColour, kLabelFont},
    {"Label1(14)", "Коэфициент усиления",                                {360,  5760, 2895, 375}, kRed,          kDesktopColour, kLabelFont},
};

// None of them is the default or cancel button: Enter in a field presses nothing.
constexpr ButtonDesign kButtons[] = {
    // name       caption          left  top  width height  face     font         tab role
    {form1::Command1, "Расчет",        {960,  120, 1695, 525}, kGreen,  kTimes12, 2, ButtonRole::Plain},
    {form1::Command2, "О программе",   {2640, 120, 1695, 525}, kYellow, kTimes12, 3, ButtonRole::Plain},
    {form1::Command3, "Автор",         {4320, 120, 1695, 525}, kRed,    kTimes12, 4, ButtonRole::Plain},
};

// Two dotted frames sharing a side: the input rows above, the result row below. There has
// never been a Line1(5).
constexpr LineDesign kLines[] = {
    // name       from          to            colour
    {"Line1(0)", {240,  1080}, {240,  5520}, kGreen},
    {"Line1(1)", {240,  1080}, {6480, 1080}, kGreen},
    {"Line1(2)", {6480, 1080}, {6480, 5520}, kGreen},
    {"Line1(3)", {240,  5520}, {6480, 5520}, kGreen},
    {"Line1(4)", {240,  5520}, {240,  6360}, kGreen},
    {"Line1(6)", {6480, 5520}, {6480, 6360}, kGreen},
    {"Line1(7)", {240,  6360}, {6480, 6360}, kGreen},
};
// clang-format on

}  // namespace

const WindowDesign kForm1Design{
    .name = "Form1",
    .title = " Gain for Veltrana     by_Varel_minto    v.2.0",
    .clientSize = {6855, 6510},
    .clientPosition = std::nullopt,
    .background = kBlack,
    .icon = "program.ico",
    .taskbarButton = true,
    .fields = kFields,
    .pictures = {},
    .labels = kLabels,
    .buttons = kButtons,
    .lines = kLines,
};

}  // namespace ui
