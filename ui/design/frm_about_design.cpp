// SPDX-License-Identifier: MIT
// frmAbout, "О программе": what the calculation is for, above the diagram of the stage.
#include "ui/design/design.h"
#include "ui/design/info_window_controls.h"
#include "ui/design/palette.h"

namespace ui {
namespace {

// Every line ends with CR LF, and all but the third with a space before it.
constexpr std::string_view kExplanation =
    "Программа для ТЕОРЕТИЧЕСКОГО расчета коэфициента усиления \r\n"
    "входного ОУ для металлоискателя Veltrana. \r\n"
    "Для изменения КУ достаточно подобрать номинал резистора R6.\r\n"
    "Реальный КУ возможно измерить лишь с помощью осцилографа!!! \r\n"
    "Программа показывает лишь зависимость КУ от номиналов обвязки ОУ!!! \r\n";

// The capacitors are written with the Cyrillic С, as in the main window's captions, so that a
// synthesiser reads them alike.
constexpr std::string_view kDiagramDescription =
    "Операционный усилитель U1A (MCP6022). Сигнал SIN_C через R1 2 кОм, С2 4700 пФ на землю "
    "и R5 100 кОм идёт на инвертирующий вход. Между входом и выходом параллельно R9 100 кОм "
    "и С7 22 пФ; от входа на землю последовательно R6 1,2 кОм и С5 0,033 мкФ. Сигнал RX через "
    "С1 0,1 мкФ и R3 100 Ом идёт на неинвертирующий вход; там же диод VD1 LL4148 к VDDA и "
    "R4 2 кОм к ZERO. Выход через R13 2 кОм идёт на U_RX, С9 4700 пФ на землю.";

// clang-format off
constexpr FieldDesign kFields[] = {
    // name    lines              left top  width height  text          text colour  background      font      tab spoken as
    {"Text1", FieldLines::Multi, {120, 120, 7815, 1935}, kExplanation, kPaleYellow, kDesktopColour, kTimes12, 1, "О программе"},
};

// The diagram overlaps the bottom of the text, below its last line; the button sits in the
// diagram's blank lower right corner.
constexpr PictureDesign kPictures[] = {
    // name      resource        left top   width height fit                    tab spoken as
    {"Picture1", "diagram.jpg", {240, 1800, 7335, 6495}, PictureFit::NaturalSize, 2, "Схема входного каскада",
     kDiagramDescription},
};

constexpr ButtonDesign kButtons[] = {
    // name    caption   left  top   width height  face     font      tab role
    {info_window::cmdOK, "Понял", {5520, 7320, 1620, 705}, kYellow, kTimes12, 0, ButtonRole::DefaultAndCancel},
};
// clang-format on

}  // namespace

const WindowDesign kFrmAboutDesign{
    .name = "frmAbout",
    .title = "О программе v.2.0",
    .clientSize = {7830, 8370},
    .clientPosition = TwipsPoint{4230, 2445},
    .background = kBlack,
    .icon = "emblem.ico",
    .taskbarButton = false,
    .fields = kFields,
    .pictures = kPictures,
    .labels = {},
    .buttons = kButtons,
    .lines = {},
};

}  // namespace ui
