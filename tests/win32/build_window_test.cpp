// SPDX-License-Identifier: MIT
// Every row of the three design tables, as it reaches the screen through the Win32 builder:
// place and size at the window's DPI, caption or text, colours read back from the drawn window,
// fonts, and the dotted lines. The expected values are written out here, not read from the
// tables, so that a changed row fails.
#include <gtest/gtest.h>
#include <wincodec.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <ranges>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/win32/window_checks.h"
#include "ui/design/design.h"
#include "ui/win32/built_window.h"
#include "ui/win32/handles.h"
#include "ui/win32/pictures.h"
#include "ui/win32/wide_text.h"

namespace {

using ui::win32::BuiltWindow;
using ui::win32::WindowText;
using win32_test::Capture;
using win32_test::Hex;
using win32_test::RectInParent;

// Stand for the system colours GetSysColor(COLOR_DESKTOP) and GetSysColor(COLOR_WINDOWTEXT).
constexpr COLORREF kDesktop = 0xFFFFFFFF;
constexpr COLORREF kWindowText = 0xFFFFFFFE;

COLORREF Resolve(COLORREF colour) {
    switch (colour) {
        case kDesktop:
            return GetSysColor(COLOR_DESKTOP);
        case kWindowText:
            return GetSysColor(COLOR_WINDOWTEXT);
        default:
            return colour;
    }
}

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

struct Font {
    const wchar_t* face;
    double points;
    bool bold;
};
constexpr Font kSans18{L"Microsoft Sans Serif", 18, false};
constexpr Font kSans12{L"Microsoft Sans Serif", 12, false};
constexpr Font kTimes12{L"Times New Roman", 12, false};
constexpr Font kTimes12Bold{L"Times New Roman", 12, true};
constexpr Font kTimes11{L"Times New Roman", 11.25, false};

struct FieldRow {
    std::string_view name;
    Twips geometry;
    const wchar_t* text;
    COLORREF colour;
    COLORREF background;
    Font font;
};
struct LabelRow {
    std::string_view name;
    Twips geometry;
    const wchar_t* caption;
    COLORREF colour;
    Font font;
};
struct ButtonRow {
    std::string_view name;
    Twips geometry;
    const wchar_t* caption;
    COLORREF face;
};
struct LineRow {
    std::string_view name;
    POINT from;
    POINT to;
};
struct PictureRow {
    std::string_view name;
    Twips geometry;
    std::string_view resource;
    bool naturalSize;
};
struct WindowRow {
    const ui::WindowDesign* design;
    const wchar_t* title;
    SIZE client;
    std::optional<POINT> position;
    COLORREF background;
    std::string_view icon;  // the resource, or empty for none
    bool taskbarButton;
};

constexpr COLORREF kOrange = RGB(255, 192, 128);
constexpr COLORREF kLightGreen = RGB(128, 255, 128);
constexpr COLORREF kLightYellow = RGB(255, 255, 128);
constexpr COLORREF kPaleYellow = RGB(255, 255, 192);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kOlive = RGB(192, 192, 0);

const wchar_t* const kExplanation =
    L"Программа для ТЕОРЕТИЧЕСКОГО расчета коэфициента усиления \r\n"
    L"входного ОУ для металлоискателя Veltrana. \r\n"
    L"Для изменения КУ достаточно подобрать номинал резистора R6.\r\n"
    L"Реальный КУ возможно измерить лишь с помощью осцилографа!!! \r\n"
    L"Программа показывает лишь зависимость КУ от номиналов обвязки ОУ!!! \r\n";

// clang-format off
const WindowRow kWindows[] = {
    {&ui::kForm1Design, L" Gain for Veltrana     by_Varel_minto    v.2.0", {6855, 6510}, std::nullopt, RGB(0, 0, 0), "program.ico", true},
    {&ui::kFrmAboutDesign, L"О программе v.2.0", {7830, 8370}, POINT{4230, 2445}, RGB(0, 0, 0), "emblem.ico", false},
    {&ui::kFrmAbout1Design, L"Автор программы", {7440, 3300}, POINT{5265, 3270}, kDesktop, "", false},
};

const FieldRow kFields[] = {
    {"Text10(2)", {3480, 1200, 1695, 555}, L"10",   kWindowText, kOrange,     kSans18},
    {"Text1(0)",  {3480, 1800, 1695, 555}, L"1200", kWindowText, kOrange,     kSans18},
    {"Text2(0)",  {3480, 2400, 1695, 555}, L"100",  kWindowText, kLightGreen, kSans18},
    {"Text5(1)",  {3480, 3000, 1695, 555}, L"100",  kWindowText, kLightGreen, kSans18},
    {"Text6(1)",  {3480, 3600, 1695, 555}, L"4700", kWindowText, kLightGreen, kSans18},
    {"Text9(3)",  {3480, 4200, 1695, 555}, L"33",   kWindowText, kLightGreen, kSans18},
    {"Text8(3)",  {3480, 4800, 1695, 555}, L"22",   kWindowText, kLightGreen, kSans18},
    {"Text8(0)",  {3480, 5640, 1695, 555}, L"0",    kWindowText, kLightGreen, kSans18},
};
const FieldRow kAboutFields[] = {
    {"Text1", {120, 120, 7815, 1935}, kExplanation, kPaleYellow, kDesktop, kTimes12},
};
const FieldRow kAbout1Fields[] = {
    {"Text1", {2400, 600, 5295, 1095},
     L"\t   Студент кафедры\r\n\t\"Радиотехнические системы\"\r\n"
     L"    Северного политехнического университета\r\n\t\t\"Полярная звезда\"\r\n",
     kPaleYellow, kDesktop, kTimes11},
};

const LabelRow kLabels[] = {
    {"Label1(11)", {120,  720,  7335, 375}, L"Вводим реальные параметры установленных элементов", kRed, kSans12},
    {"Label1(0)",  {360,  1320, 2895, 375}, L"Рабочая частота",     kLightYellow, kSans12},
    {"Label1(1)",  {5400, 1320, 495,  255}, L"кГц",                 kLightYellow, kSans12},
    {"Label1(2)",  {360,  1920, 3015, 375}, L"Резистор R6",         kLightYellow, kSans12},
    {"Label1(3)",  {5400, 1920, 495,  255}, L"Ом",                  kLightYellow, kSans12},
    {"Label1(6)",  {360,  2520, 2655, 375}, L"Резистор R5",         kLightYellow, kSans12},
    {"Label1(9)",  {5400, 2520, 495,  255}, L"кОм",                 kLightYellow, kSans12},
    {"Label1(4)",  {360,  3120, 3015, 375}, L"Резистор R9",         kLightYellow, kSans12},
    {"Label1(10)", {5400, 3120, 495,  255}, L"кОм",                 kLightYellow, kSans12},
    {"Label1(5)",  {360,  3720, 3015, 375}, L"Конденсатор С2",      kLightYellow, kSans12},
    {"Label1(12)", {5400, 3720, 495,  255}, L"пФ",                  kLightYellow, kSans12},
    {"Label1(7)",  {360,  4320, 3015, 375}, L"Конденсатор С5",      kLightYellow, kSans12},
    {"Label1(15)", {5400, 4320, 495,  255}, L"нФ",                  kLightYellow, kSans12},
    {"Label1(8)",  {360,  4920, 3015, 375}, L"Конденсатор С7",      kLightYellow, kSans12},
    {"Label1(13)", {5400, 4920, 495,  255}, L"пФ",                  kLightYellow, kSans12},
    {"Label1(14)", {360,  5760, 2895, 375}, L"Коэфициент усиления", kRed,         kSans12},
};
const LabelRow kAbout1Labels[] = {
    {"Label1(0)", {4080, 120,  2175, 375}, L"Варел Минто",                   kGreen, kTimes12Bold},
    {"Label1(1)", {3000, 1800, 3255, 495}, L"E-mail:     varel@example.org", kOlive, kTimes12Bold},
    {"Label1(2)", {3000, 2160, 3255, 495}, L"Skype:     varel_minto",        kOlive, kTimes12Bold},
};

const ButtonRow kButtons[] = {
    {"Command1", {960,  120, 1695, 525}, L"Расчет",      kGreen},
    {"Command2", {2640, 120, 1695, 525}, L"О программе", kYellow},
    {"Command3", {4320, 120, 1695, 525}, L"Автор",       kRed},
};
const ButtonRow kAboutButtons[] = {
    {"cmdOK", {5520, 7320, 1620, 705}, L"Понял", kYellow},
};
const ButtonRow kAbout1Buttons[] = {
    {"cmdOK", {3960, 2640, 1620, 465}, L"Знаю такого)", kYellow},
};

const LineRow kLines[] = {
    {"Line1(0)", {240,  1080}, {240,  5520}},
    {"Line1(1)", {240,  1080}, {6480, 1080}},
    {"Line1(2)", {6480, 1080}, {6480, 5520}},
    {"Line1(3)", {240,  5520}, {6480, 5520}},
    {"Line1(4)", {240,  5520}, {240,  6360}},
    {"Line1(6)", {6480, 5520}, {6480, 6360}},
    {"Line1(7)", {240,  6360}, {6480, 6360}},
};

const PictureRow kAboutPictures[] = {
    {"Picture1", {240, 1800, 7335, 6495}, "diagram.jpg", true},
};
const PictureRow kAbout1Pictures[] = {
    {"OLE1", {120, 120, 2055, 3015}, "author.bmp", false},
};
// clang-format on

// The icon drawn at `side` pixels over magenta, one BGRA value per pixel; none for no icon.
std::vector<DWORD> IconPixels(HICON icon, int side) {
    if (icon == nullptr) {
        return {};
    }
    DWORD* bits = nullptr;
    const ui::win32::UniqueBitmap bitmap = ui::win32::MakeTopDownBitmap({side, side}, &bits);
    const std::span pixels(bits, static_cast<std::size_t>(side) * side);
    std::ranges::fill(pixels, 0x00FF00FF);
    HDC dc = CreateCompatibleDC(nullptr);
    {
        const ui::win32::Selected selected(dc, bitmap.get());
        DrawIconEx(dc, 0, 0, icon, side, side, 0, nullptr, DI_NORMAL);
        GdiFlush();
    }
    DeleteDC(dc);
    return {pixels.begin(), pixels.end()};
}

UINT ExpectedDpi() {
    const char* dpi = std::getenv("EXPECTED_DPI");
    return dpi ? static_cast<UINT>(std::atoi(dpi)) : 96;
}

// One window built from its table, shown and painted, as the tests below look at it.
class BuiltWindowTest : public ::testing::Test {
protected:
    void Build(const ui::WindowDesign& design) {
        m_window.emplace(design, nullptr, ui::win32::WindowEvents{});
        m_window->Show();
        UpdateWindow(m_window->Window());
        win32_test::Pump(200);
        m_capture.emplace(m_window->Window());
        m_dpi = m_window->Dpi();
    }
    int Px(int twips) const { return MulDiv(twips, static_cast<int>(m_dpi), 1440); }
    RECT Expected(const Twips& g) const {
        return {Px(g.left), Px(g.top), Px(g.left) + Px(g.width), Px(g.top) + Px(g.height)};
    }
    HWND Control(std::string_view name) const {
        try {
            return m_window->Control(name);
        } catch (const std::out_of_range&) {
            ADD_FAILURE() << "no control " << name;
            return nullptr;
        }
    }
    void ExpectPlaced(std::string_view name, HWND control, const Twips& geometry) const {
        const RECT actual = RectInParent(control);
        const RECT expected = Expected(geometry);
        EXPECT_TRUE(EqualRect(&actual, &expected))
            << name << " at " << actual.left << ',' << actual.top << ' '
            << actual.right - actual.left << 'x' << actual.bottom - actual.top << ", expected "
            << expected.left << ',' << expected.top << ' ' << expected.right - expected.left << 'x'
            << expected.bottom - expected.top << " at " << m_dpi << " dpi";
    }
    void ExpectFont(std::string_view name, HWND control, const Font& font) const {
        LOGFONTW made{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof made,
                   &made);
        EXPECT_EQ(std::wstring(made.lfFaceName), font.face) << name;
        EXPECT_EQ(made.lfHeight, -std::lround(font.points * m_dpi / 72.0)) << name;
        EXPECT_EQ(made.lfWeight, font.bold ? FW_BOLD : FW_NORMAL) << name;
        EXPECT_EQ(made.lfCharSet, RUSSIAN_CHARSET) << name;
        // One font for each distinct face, size and weight, shared by the controls that use it.
        const HFONT handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        const auto same = [&font](const auto& seen) {
            return seen.first.face == std::wstring_view(font.face) &&
                   seen.first.points == font.points && seen.first.bold == font.bold;
        };
        if (const auto seen = std::ranges::find_if(m_fonts, same); seen != m_fonts.end()) {
            EXPECT_EQ(handle, seen->second) << name << " has a font of its own";
        } else {
            EXPECT_EQ(std::ranges::count(m_fonts, handle, &std::pair<Font, HFONT>::second), 0)
                << name << " shares the font of another face or size";
            m_fonts.emplace_back(font, handle);
        }
    }
    // The text and background colours the window hands the control to paint with.
    std::pair<COLORREF, COLORREF> PaintColours(HWND control, UINT message) const {
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(m_window->Window(), message, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(control));
        const std::pair colours{GetTextColor(dc), GetBkColor(dc)};
        DeleteDC(dc);
        return colours;
    }
    void ExpectPixel(std::string_view what, int x, int y, COLORREF expected) const {
        const COLORREF actual = m_capture->At(x, y);
        EXPECT_EQ(actual, Resolve(expected))
            << what << " at " << x << ',' << y << ": " << Hex(actual) << ", expected "
            << Hex(Resolve(expected));
    }

    void ExpectFields(std::span<const FieldRow> rows) const {
        for (const FieldRow& row : rows) {
            HWND field = Control(row.name);
            if (!field) {
                continue;
            }
            ExpectPlaced(row.name, field, row.geometry);
            EXPECT_EQ(WindowText(field), row.text) << row.name;
            EXPECT_NE(GetWindowLongW(field, GWL_STYLE) & WS_TABSTOP, 0) << row.name;
            ExpectFont(row.name, field, row.font);
            const auto [text, background] = PaintColours(field, WM_CTLCOLOREDIT);
            EXPECT_EQ(text, Resolve(row.colour)) << row.name;
            EXPECT_EQ(background, Resolve(row.background)) << row.name;
            // Right of the text, inside the border.
            const RECT r = Expected(row.geometry);
            ExpectPixel(row.name, std::min<int>(r.right, m_capture->Width()) - 6, r.bottom - 6,
                        row.background);
        }
    }
    void ExpectLabels(std::span<const LabelRow> rows) const {
        for (const LabelRow& row : rows) {
            HWND label = Control(row.name);
            if (!label) {
                continue;
            }
            ExpectPlaced(row.name, label, row.geometry);
            EXPECT_EQ(WindowText(label), row.caption) << row.name;
            EXPECT_EQ(GetWindowLongW(label, GWL_STYLE) & WS_TABSTOP, 0) << row.name;
            ExpectFont(row.name, label, row.font);
            const auto [text, background] = PaintColours(label, WM_CTLCOLORSTATIC);
            EXPECT_EQ(text, row.colour) << row.name;
            EXPECT_EQ(background, GetSysColor(COLOR_DESKTOP)) << row.name;
            // Its bottom right corner, below and beside the text; cut off at the window's edge.
            const RECT r = Expected(row.geometry);
            ExpectPixel(row.name, std::min<int>(r.right, m_capture->Width()) - 2, r.bottom - 2,
                        kDesktop);
            bool textDrawn = false;
            for (int y = r.top; y < r.bottom && !textDrawn; ++y) {
                for (int x = r.left; x < std::min<int>(r.right, m_capture->Width()); ++x) {
                    textDrawn = textDrawn || m_capture->At(x, y) == row.colour;
                }
            }
            EXPECT_TRUE(textDrawn)
                << row.name << ": no pixel of its text colour " << Hex(row.colour);
        }
    }
    void ExpectButtons(std::span<const ButtonRow> rows) const {
        for (const ButtonRow& row : rows) {
            HWND button = Control(row.name);
            if (!button) {
                continue;
            }
            ExpectPlaced(row.name, button, row.geometry);
            EXPECT_EQ(WindowText(button), row.caption) << row.name;
            EXPECT_NE(GetWindowLongW(button, GWL_STYLE) & WS_TABSTOP, 0) << row.name;
            ExpectFont(row.name, button, kTimes12);
            const RECT r = Expected(row.geometry);
            ExpectPixel(row.name, r.left + 6, (r.top + r.bottom) / 2, row.face);
        }
    }
    void ExpectPictures(std::span<const PictureRow> rows) const {
        for (const PictureRow& row : rows) {
            HWND picture = Control(row.name);
            if (!picture) {
                continue;
            }
            ExpectPlaced(row.name, picture, row.geometry);
            const ui::win32::Picture decoded = ui::win32::LoadPicture(row.resource);
            const RECT box = Expected(row.geometry);
            DIBSECTION section{};
            GetObjectW(decoded.bitmap.get(), sizeof section, &section);
            const auto sourceAt = [&](LONG x, LONG y) {
                return win32_test::FromBgra(
                    static_cast<const DWORD*>(section.dsBm.bmBits)[y * decoded.size.cx + x]);
            };
            if (m_dpi == 96 && row.naturalSize) {
                // Pixel for pixel from the box's corner over the upper left quarter, wherever no
                // other control lies over it: a shrunk or shifted picture differs there.
                const LONG right = std::min(decoded.size.cx / 2, box.right - box.left);
                const LONG bottom = std::min(decoded.size.cy / 2, box.bottom - box.top);
                int differing = 0;
                for (LONG y = 0; y < bottom; ++y) {
                    for (LONG x = 0; x < right; ++x) {
                        const POINT at{box.left + x, box.top + y};
                        if (ChildWindowFromPointEx(m_window->Window(), at, CWP_SKIPINVISIBLE) ==
                            picture) {
                            differing += m_capture->At(at.x, at.y) != sourceAt(x, y);
                        }
                    }
                }
                EXPECT_EQ(differing, 0) << row.name << " is not shown pixel for pixel";
            } else {
                // Smoothed when scaled, so only the middle pixel is compared: where natural size
                // scaled with the DPI puts it, or in the middle of the box when scaled to fit.
                const POINT middle =
                    row.naturalSize
                        ? POINT{box.left + MulDiv(decoded.size.cx / 2, static_cast<int>(m_dpi), 96),
                                box.top + MulDiv(decoded.size.cy / 2, static_cast<int>(m_dpi), 96)}
                        : POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
                const COLORREF source = sourceAt(decoded.size.cx / 2, decoded.size.cy / 2);
                const COLORREF shown = m_capture->At(middle.x, middle.y);
                const int distance = std::abs(GetRValue(shown) - GetRValue(source)) +
                                     std::abs(GetGValue(shown) - GetGValue(source)) +
                                     std::abs(GetBValue(shown) - GetBValue(source));
                EXPECT_LE(distance, 90) << row.name << " shows " << Hex(shown)
                                        << " where its picture has " << Hex(source);
            }
            // Focused, the picture shows a dotted frame along its edges; its bottom left corner
            // is clear of what lies over frmAbout's picture.
            SetFocus(picture);
            win32_test::Pump(50);
            const win32_test::Capture focused(m_window->Window());
            const bool framed = std::ranges::any_of(std::views::iota(0, 4), [&](int i) {
                return focused.At(box.left + i, box.bottom - 1) !=
                       m_capture->At(box.left + i, box.bottom - 1);
            });
            EXPECT_TRUE(framed) << row.name << " shows no focus frame";
        }
    }
    // One pixel on, two off from the top or left end, both ends included, as on the other
    // platforms. Where lines meet, a pixel shows a dot if either line puts one there: the gaps
    // of a line show what lies beneath, its neighbour's dots too.
    void ExpectDottedLines(std::span<const LineRow> rows) const {
        const auto pixels = [this](const LineRow& row) {
            std::vector<POINT> along;
            const int x0 = Px(row.from.x);
            const int y0 = Px(row.from.y);
            const int x1 = Px(row.to.x);
            const int y1 = Px(row.to.y);
            for (int x = x0, y = y0; x <= x1 && y <= y1; x += (x1 > x0), y += (y1 > y0)) {
                along.push_back({x, y});
                if (x0 == x1 && y0 == y1) {
                    break;
                }
            }
            return along;
        };
        std::set<std::pair<int, int>> dots;
        for (const LineRow& row : rows) {
            const std::vector<POINT> along = pixels(row);
            for (std::size_t i = 0; i < along.size(); i += 3) {
                dots.emplace(along[i].x, along[i].y);
            }
        }
        for (const LineRow& row : rows) {
            const std::vector<POINT> along = pixels(row);
            std::string wrong;
            for (std::size_t i = 0; i < along.size(); ++i) {
                const auto [x, y] = along[i];
                const bool dot = m_capture->At(x, y) == kGreen;
                if (dot != dots.contains({x, y})) {
                    wrong += ' ' + std::to_string(i) + (dot ? "+" : "-");
                }
            }
            EXPECT_TRUE(wrong.empty())
                << row.name << ", " << along.size()
                << " pixels long: pixels from its top or left end with a dot too many (+) or "
                   "missing (-):"
                << wrong;
        }
    }
    // Where a later row of the table overlaps an earlier one, the later one shows, as on the
    // other platforms: there the window looks as it does with the earlier one hidden.
    void ExpectLaterRowAbove(std::string_view earlier, std::string_view later) const {
        HWND under = Control(earlier);
        const RECT a = RectInParent(under);
        const RECT b = RectInParent(Control(later));
        RECT overlap{};
        ASSERT_TRUE(IntersectRect(&overlap, &a, &b)) << earlier << " and " << later;
        ShowWindow(under, SW_HIDE);
        win32_test::Pump(100);
        const Capture alone(m_window->Window());
        ShowWindow(under, SW_SHOWNA);
        win32_test::Pump(100);
        int differing = 0;
        for (int y = overlap.top; y < overlap.bottom; ++y) {
            for (int x = overlap.left; x < overlap.right; ++x) {
                differing += m_capture->At(x, y) != alone.At(x, y);
            }
        }
        EXPECT_EQ(differing, 0) << earlier << " shows over " << later << " in "
                                << overlap.right - overlap.left << 'x'
                                << overlap.bottom - overlap.top << " pixels";
    }
    void ExpectWindow(const WindowRow& row) const {
        HWND window = m_window->Window();
        EXPECT_EQ(m_dpi, ExpectedDpi());
        EXPECT_EQ(WindowText(window), row.title);
        RECT client{};
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, Px(row.client.cx)) << row.design->name;
        EXPECT_EQ(client.bottom, Px(row.client.cy)) << row.design->name;
        if (row.position) {
            POINT origin{0, 0};
            ClientToScreen(window, &origin);
            EXPECT_EQ(origin.x, Px(row.position->x)) << row.design->name;
            EXPECT_EQ(origin.y, Px(row.position->y)) << row.design->name;
        }
        const LONG style = GetWindowLongW(window, GWL_STYLE);
        EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0) << row.design->name;
        EXPECT_NE(style & WS_SYSMENU, 0) << row.design->name;
        // Windows' icon sides at 96 dpi, scaled with the window's DPI on every version.
        for (const auto& [kind, sideAt96] : {std::pair{ICON_BIG, 32}, {ICON_SMALL, 16}}) {
            const auto shown = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, kind, 0));
            if (row.icon.empty()) {
                EXPECT_EQ(shown, nullptr) << row.design->name;
                continue;
            }
            const int side = MulDiv(sideAt96, static_cast<int>(m_dpi), 96);
            const ui::win32::UniqueIcon expected = ui::win32::LoadIconResource(row.icon, side);
            EXPECT_TRUE(IconPixels(shown, side) == IconPixels(expected.get(), side))
                << row.design->name << " does not show " << row.icon << " at " << side << " px";
        }
        // Form1 keeps its task-bar button whoever owns it; the information windows have none
        // once the program's hidden window owns them (the program's tests check the owner).
        const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
        EXPECT_EQ((exStyle & WS_EX_APPWINDOW) != 0, row.taskbarButton) << row.design->name;
        EXPECT_EQ(exStyle & WS_EX_TOOLWINDOW, 0) << row.design->name;
        ExpectPixel("the window background", 2, 2, row.background);
    }

    std::optional<BuiltWindow> m_window;
    std::optional<Capture> m_capture;
    mutable std::vector<std::pair<Font, HFONT>> m_fonts;  // those ExpectFont has seen
    UINT m_dpi = 96;
};

TEST_F(BuiltWindowTest, Form1) {
    Build(ui::kForm1Design);
    ExpectWindow(kWindows[0]);
    ExpectFields(kFields);
    ExpectLabels(kLabels);
    ExpectButtons(kButtons);
    ExpectDottedLines(kLines);
}

TEST_F(BuiltWindowTest, FrmAbout) {
    Build(ui::kFrmAboutDesign);
    ExpectWindow(kWindows[1]);
    ExpectFields(kAboutFields);
    ExpectButtons(kAboutButtons);
    ExpectLaterRowAbove("Text1", "Picture1");
    ExpectPictures(kAboutPictures);
}

TEST_F(BuiltWindowTest, FrmAbout1) {
    Build(ui::kFrmAbout1Design);
    ExpectWindow(kWindows[2]);
    ExpectFields(kAbout1Fields);
    ExpectLabels(kAbout1Labels);
    ExpectButtons(kAbout1Buttons);
    ExpectPictures(kAbout1Pictures);
}

TEST_F(BuiltWindowTest, MissingControlIsNamed) {
    Build(ui::kFrmAbout1Design);
    try {
        m_window->Control("Text9");
        ADD_FAILURE() << "no exception";
    } catch (const std::out_of_range& error) {
        EXPECT_NE(std::string(error.what()).find("Text9"), std::string::npos) << error.what();
    }
}

// Where a run says which Windows version the system should report (EXPECTED_WINDOWS=6.1), it is
// the one the program sees: the manifest names that version as supported.
TEST(WindowsVersionTest, IsTheOneTheRunStandsFor) {
    const char* expected = std::getenv("EXPECTED_WINDOWS");
    if (!expected) {
        GTEST_SKIP() << "this run stands for no particular version";
    }
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExW(&version));
    EXPECT_EQ(std::to_string(version.dwMajorVersion) + '.' + std::to_string(version.dwMinorVersion),
              expected);
}

// Windows 7 without its Platform Update has only the first imaging factory. The later one is
// made absent here: a stand-in for it counts the requests and refuses them, as Windows 7 does.
class AbsentImagingFactory final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IClassFactory ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the test's stack
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, void** out) override {
        ++asked;
        *out = nullptr;
        return REGDB_E_CLASSNOTREG;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
    int asked = 0;
};

TEST(PicturesTest, NeedOnlyTheImagingFactoryOfWindows7) {
    AbsentImagingFactory absent;
    DWORD cookie = 0;
    ASSERT_EQ(CoRegisterClassObject(CLSID_WICImagingFactory2, &absent, CLSCTX_INPROC_SERVER,
                                    REGCLS_MULTIPLEUSE, &cookie),
              S_OK);
    using Pictures = std::span<const PictureRow>;
    for (const Pictures pictures : {Pictures(kAboutPictures), Pictures(kAbout1Pictures)}) {
        for (const PictureRow& row : pictures) {
            EXPECT_NO_THROW(ui::win32::LoadPicture(row.resource)) << row.name;
        }
    }
    CoRevokeClassObject(cookie);
    EXPECT_EQ(absent.asked, 0) << "the imaging factory of Windows 8 and later was asked for";
}

// The upper left quarter of a picture as another library decodes it, written beside this file
// by make-quarter-pictures as a binary PPM: "P6 width height 255", then red, green, blue.
struct Quarter {
    LONG width = 0;
    LONG height = 0;
    std::vector<unsigned char> rgb;
};
Quarter ReadQuarter(std::string_view resource) {
    const std::string stem(resource.substr(0, resource.find('.')));
    std::ifstream file(QUARTER_PICTURES + stem + "-quarter.ppm", std::ios::binary);
    std::string magic;
    int maximum = 0;
    Quarter quarter;
    file >> magic >> quarter.width >> quarter.height >> maximum;
    file.get();
    if (!file || magic != "P6" || maximum != 255) {
        throw std::runtime_error("no readable quarter of " + std::string(resource));
    }
    quarter.rgb.resize(static_cast<size_t>(quarter.width) * quarter.height * 3);
    file.read(reinterpret_cast<char*>(quarter.rgb.data()),
              static_cast<std::streamsize>(quarter.rgb.size()));
    if (!file) {
        throw std::runtime_error("the quarter of " + std::string(resource) + " is cut short");
    }
    return quarter;
}

// The window tests compare the screen with this decoder's own pixels, so a fault in the decoder
// would show on both sides; here it is held against another library's. The diagram is grey
// throughout, so only the photograph tells the colour channels apart.
TEST(PicturesTest, DecodedAsAnotherLibraryDecodesThem) {
    struct Row {
        std::string_view resource;
        int tolerance;  // per channel
    };
    const Row rows[] = {
        // JPEG decoders may round the colour transform and upsampling differently: wine's
        // agrees exactly, Windows' own decoder may not quite.
        {"diagram.jpg", 3},
        {"author.bmp", 0},
    };
    for (const Row& row : rows) {
        const ui::win32::Picture decoded = ui::win32::LoadPicture(row.resource);
        const Quarter quarter = ReadQuarter(row.resource);
        ASSERT_EQ(decoded.size.cx / 2, quarter.width) << row.resource;
        ASSERT_EQ(decoded.size.cy / 2, quarter.height) << row.resource;
        DIBSECTION section{};
        GetObjectW(decoded.bitmap.get(), sizeof section, &section);
        const auto* pixels = static_cast<const DWORD*>(section.dsBm.bmBits);
        int worst = 0;
        int differing = 0;
        std::string first;
        for (LONG y = 0; y < quarter.height; ++y) {
            for (LONG x = 0; x < quarter.width; ++x) {
                const COLORREF mine = win32_test::FromBgra(pixels[y * decoded.size.cx + x]);
                const unsigned char* theirs = &quarter.rgb[(y * quarter.width + x) * 3];
                const int difference = std::max({std::abs(GetRValue(mine) - theirs[0]),
                                                 std::abs(GetGValue(mine) - theirs[1]),
                                                 std::abs(GetBValue(mine) - theirs[2])});
                worst = std::max(worst, difference);
                if (difference > row.tolerance && differing++ == 0) {
                    first = std::to_string(x) + ',' + std::to_string(y) + ": " + Hex(mine) +
                            ", another library " + Hex(RGB(theirs[0], theirs[1], theirs[2]));
                }
            }
        }
        EXPECT_EQ(differing, 0) << row.resource << " differs by up to " << worst
                                << " per channel, first at " << first;
    }
}

// A handler bound to a name the window does not hold, or to a control that is not a button,
// would never run: binding it stops the building, naming the window and the control.
TEST(ClickBindingTest, OnlyAButtonOfTheWindowTakesAHandler) {
    struct Row {
        const char* what;
        const ui::WindowDesign& design;
        std::string_view name;
    };
    const Row rows[] = {
        {"misspelt", ui::kFrmAboutDesign, "cmdOk"},
        {"not in the table", ui::kForm1Design, "Command4"},
        {"another window's button", ui::kForm1Design, "cmdOK"},
        {"a field", ui::kFrmAbout1Design, "Text1"},
        {"a label", ui::kForm1Design, "Label1(14)"},
    };
    for (const Row& row : rows) {
        BuiltWindow window(row.design, nullptr, {});
        try {
            window.OnClick(row.name, [] {});
            ADD_FAILURE() << row.what << ": no exception";
        } catch (const std::out_of_range& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(row.name), std::string::npos) << row.what << ": " << message;
            EXPECT_NE(message.find(row.design.name), std::string::npos)
                << row.what << ": " << message;
        }
    }
}

}  // namespace
