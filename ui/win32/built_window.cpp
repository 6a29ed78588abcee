// SPDX-License-Identifier: MIT
#include "ui/win32/built_window.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

#include "ui/design/faces.h"
#include "ui/design/pixels.h"
#include "ui/design/rows.h"
#include "ui/win32/newer_windows.h"
#include "ui/win32/tell_user.h"
#include "ui/win32/wide_text.h"

namespace ui::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VeltranaWindow";
constexpr int kFirstControlId = 1000;

// One pixel on, two off, from the line's top or left end, as the other platforms dot a line.
constexpr int kDotEvery = 3;

int Pixels(int twips, UINT dpi) {
    return ui::Pixels(twips, static_cast<int>(dpi));
}

// The control of that design name among controls, or controls.end(); for the const and the
// mutable look-ups alike.
auto FindNamed(auto& controls, std::string_view name) {
    return std::ranges::find(controls, name, [](const auto& control) { return Name(control.row); });
}

// Z order is tab order for IsDialogMessage, so the controls that take the focus come first, in
// tab order, under the lines drawn over everything. Where they overlap, an earlier one lies
// above a later one: frmAbout's button over its picture's blank corner (ClipWhereCovered mends
// the overlaps the table stacks the other way). Labels never take the focus and lie below; a
// later row of the table lies above an earlier one.
std::vector<Row> StackingOrder(const WindowDesign& design) {
    std::vector<Row> rows = Rows(design);
    const auto layer = [](const Row& row) {
        if (As<LineDesign>(row)) {
            return 0;
        }
        return TabIndex(row) ? 1 : 2;
    };
    std::ranges::stable_sort(rows, [&](const Row& a, const Row& b) {
        return layer(a) < layer(b) ||
               (layer(a) == 1 && layer(b) == 1 && *TabIndex(a) < *TabIndex(b));
    });
    const auto labels = std::ranges::find_if(rows, [&](const Row& row) { return layer(row) == 2; });
    std::reverse(labels, rows.end());
    return rows;
}

COLORREF ColourRef(const Colour& colour) {
    switch (colour.source) {
        case Colour::Source::Desktop:
            return GetSysColor(COLOR_DESKTOP);
        case Colour::Source::WindowText:
            return GetSysColor(COLOR_WINDOWTEXT);
        case Colour::Source::Fixed:
            break;
    }
    return RGB(colour.red, colour.green, colour.blue);
}

UniqueFont MakeFont(const FontDesign& font, UINT dpi) {
    const std::wstring face = Widen(FaceOf(font.face).windows);
    const int height = -static_cast<int>(std::lround(font.points * dpi / 72.0));
    return UniqueFont(CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                  FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

// A fixed frame with a close box only. The information windows have the dialog frame; they are
// also the ones without a task-bar button. A window with one is an app window, which keeps its
// button even when it has an owner; a window without one gets no button only when owned.
DWORD WindowStyle() {
    return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
}
DWORD WindowExStyle(const WindowDesign& design) {
    return WS_EX_CONTROLPARENT | (design.taskbarButton ? WS_EX_APPWINDOW : WS_EX_DLGMODALFRAME);
}

void RegisterWindowClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass);
    }();
    if (!atom) {
        throw std::runtime_error("cannot register the window class");
    }
}

// A static control takes the focus when given it, but draws nothing to show it: repainting it
// as the focus comes and goes lets its owner draw the focus frame.
LRESULT CALLBACK FocusFollowing(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC g_staticProcedure = nullptr;

void FollowFocus(HWND control) {
    // Every static control has the same procedure, so one saved copy serves them all.
    g_staticProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FocusFollowing)));
}

LRESULT CALLBACK FocusFollowing(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS) {
        InvalidateRect(control, nullptr, FALSE);
    }
    return CallWindowProcW(g_staticProcedure, control, message, wParam, lParam);
}

RECT PlaceInWindow(HWND control, HWND window) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// A failure that comes back on every paint or every open would bury the user in boxes: each
// kind is told once a run.
void TellOnce(HWND owner, bool& told, std::wstring_view sentence) {
    if (!std::exchange(told, true)) {
        TellUser(owner, sentence);
    }
}

}  // namespace

BuiltWindow::BuiltWindow(const WindowDesign& design, HWND owner, WindowEvents events)
    : m_design(design), m_events(std::move(events)) {
    RegisterWindowClass(&BuiltWindow::Procedure);
    m_background.reset(CreateSolidBrush(ColourRef(design.background)));
    const std::wstring title = Widen(design.title);
    const POINT origin = design.clientPosition
                             ? POINT{design.clientPosition->x, design.clientPosition->y}
                             : POINT{CW_USEDEFAULT, CW_USEDEFAULT};
    CreateWindowExW(WindowExStyle(design), kClassName, title.c_str(), WindowStyle(), origin.x,
                    origin.y, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!m_window) {
        throw std::runtime_error("cannot create the window " + std::string(design.name));
    }
    try {
        AddControls();
    } catch (...) {
        // Nothing half-made stays on screen, nor a window whose procedure would reach this
        // object once it is freed.
        m_events = {};
        DestroyWindow(m_window);
        throw;
    }
}

void BuiltWindow::AddControls() {
    m_spokenNames = OpenSpokenNames();
    const std::vector<Row> rows = StackingOrder(m_design);
    m_controls.reserve(rows.size());
    for (const Row& row : rows) {
        Visit(
            row, [this](const FieldDesign& field) { AddField(field); },
            [this](const PictureDesign& picture) { AddPicture(picture); },
            [this](const LabelDesign& label) { AddLabel(label); },
            [this](const ButtonDesign& button) { AddButton(button); },
            [this](const LineDesign& line) { AddLine(line); });
    }

    if (!m_design.icon.empty()) {
        const UINT dpi = DpiOf(m_window);
        m_bigIcon = LoadIconResource(m_design.icon, SystemMetric(SM_CXICON, dpi));
        m_smallIcon = LoadIconResource(m_design.icon, SystemMetric(SM_CXSMICON, dpi));
        SendMessageW(m_window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon.get()));
        SendMessageW(m_window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.get()));
    }
    const RECT placed = [this] {
        RECT rect{};
        GetWindowRect(m_window, &rect);
        return rect;
    }();
    LayOut(DpiOf(m_window),
           m_design.clientPosition ? std::nullopt : std::optional(POINT{placed.left, placed.top}));
}

BuiltWindow::~BuiltWindow() {
    if (m_window) {
        m_events = {};
        DestroyWindow(m_window);
    }
}

void BuiltWindow::Show() {
    Raise();
    SetFocus(m_window);  // passed on to the first control in tab order (WM_SETFOCUS)
    const auto missing = std::ranges::find_if(m_controls, [](const ControlState& control) {
        return control.pictureDesign() && !control.picture;
    });
    if (missing != m_controls.end()) {
        static bool told = false;
        TellOnce(m_window, told,
                 L"Картинку «" + Widen(missing->pictureDesign()->spokenName) +
                     L"» не удалось прочитать, и её место в окне осталось пустым.");
    }
}

void BuiltWindow::Raise() {
    ShowWindow(m_window, SW_SHOWNORMAL);
    SetForegroundWindow(m_window);
}

HWND BuiltWindow::Control(std::string_view name) const {
    if (const auto found = FindNamed(m_controls, name); found != m_controls.end()) {
        return found->handle;
    }
    throw std::out_of_range(std::string(m_design.name) + " has no control " + std::string(name));
}

BuiltWindow::ControlState& BuiltWindow::Add(const Row& row, const wchar_t* windowClass, DWORD style,
                                            DWORD exStyle, std::string_view text) {
    const std::string_view name = Name(row);
    const int id = kFirstControlId + static_cast<int>(m_controls.size());
    HWND handle = CreateWindowExW(exStyle, windowClass, Widen(text).c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0,
                                  m_window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleW(nullptr), nullptr);
    if (!handle) {
        throw std::runtime_error("cannot create " + std::string(name));
    }
    ControlState& control = m_controls.emplace_back();
    control.handle = handle;
    control.row = row;
    return control;
}

void BuiltWindow::AddField(const FieldDesign& field) {
    // The design's texts break their own lines. Word wrap would measure a long pasted line
    // character by character, which freezes the window for minutes at the 32,767 characters a
    // field takes.
    const DWORD lines = field.lines == FieldLines::Single
                            ? ES_AUTOHSCROLL
                            : ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
    ControlState& control =
        Add(&field, L"EDIT", WS_TABSTOP | ES_LEFT | lines, WS_EX_CLIENTEDGE, field.text);
    // The edit control stops at 30,000 characters unless told otherwise; the fields take as
    // many as the Linux program's.
    SendMessageW(control.handle, EM_SETLIMITTEXT, kFieldCharacters, 0);
    control.font = &field.font;
    control.text = ColourRef(field.textColour);
    control.background = ColourRef(field.background);
    control.brush.reset(CreateSolidBrush(control.background));
    SetSpokenName(m_spokenNames.Get(), control.handle, field.spokenName);
}

void BuiltWindow::AddButton(const ButtonDesign& button) {
    ControlState& control = Add(&button, L"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 0, button.caption);
    control.font = &button.font;
    control.background = ColourRef(button.face);
    control.brush.reset(CreateSolidBrush(control.background));
}

void BuiltWindow::AddPicture(const PictureDesign& picture) {
    ControlState& control = Add(&picture, L"STATIC", WS_TABSTOP | SS_OWNERDRAW, 0, {});
    FollowFocus(control.handle);
    try {
        control.picture = LoadPicture(picture.resource);
    } catch (const std::runtime_error&) {
        // The window is worth opening without its picture; Show tells the user what is missing.
    }
    SetSpokenName(m_spokenNames.Get(), control.handle, picture.spokenName,
                  picture.spokenDescription);
}

void BuiltWindow::AddLabel(const LabelDesign& label) {
    ControlState& control =
        Add(&label, L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, label.caption);
    control.font = &label.font;
    control.text = ColourRef(label.text);
    control.background = ColourRef(label.background);
    control.brush.reset(CreateSolidBrush(control.background));
}

void BuiltWindow::AddLine(const LineDesign& line) {
    ControlState& control = Add(&line, L"STATIC", SS_OWNERDRAW, 0, {});
    control.text = ColourRef(line.colour);
}

void BuiltWindow::LayOut(UINT dpi, std::optional<POINT> windowOrigin) {
    m_dpi = dpi;
    RECT frame{0, 0, Pixels(m_design.clientSize.width, dpi),
               Pixels(m_design.clientSize.height, dpi)};
    AdjustFrame(frame, WindowStyle(), WindowExStyle(m_design), dpi);
    const POINT origin = windowOrigin ? *windowOrigin
                                      : POINT{Pixels(m_design.clientPosition->x, dpi) + frame.left,
                                              Pixels(m_design.clientPosition->y, dpi) + frame.top};
    SetWindowPos(m_window, nullptr, origin.x, origin.y, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The fonts of the last DPI go only once no control is left holding them.
    std::vector<MadeFont> fonts;
    const auto fontFor = [&fonts, dpi](const FontDesign& design) {
        auto same = std::ranges::find_if(
            fonts, [&design](const MadeFont& made) { return *made.design == design; });
        if (same == fonts.end()) {
            fonts.push_back({&design, MakeFont(design, dpi)});
            same = std::prev(fonts.end());
        }
        return same->font.get();
    };
    for (ControlState& control : m_controls) {
        const int scale = static_cast<int>(dpi);
        const PixelRect place = control.line() ? LinePixels(*control.line(), scale)
                                               : ui::Pixels(Box(control.row), scale);
        SetWindowPos(control.handle, nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (control.font) {
            control.madeFont = fontFor(*control.font);
            SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(control.madeFont),
                         TRUE);
        }
    }
    m_fonts = std::move(fonts);
    ClipWhereCovered();
    InvalidateRect(m_window, nullptr, TRUE);
}

const BuiltWindow::ControlState* BuiltWindow::Find(HWND handle) const {
    const auto found = std::ranges::find(m_controls, handle, &ControlState::handle);
    return found == m_controls.end() ? nullptr : &*found;
}

const BuiltWindow::ControlState* BuiltWindow::DefaultButton() const {
    const auto found = std::ranges::find_if(m_controls, [](const ControlState& control) {
        return control.button() && control.button()->role == ButtonRole::DefaultAndCancel;
    });
    return found == m_controls.end() ? nullptr : &*found;
}

void BuiltWindow::OnClick(std::string_view button, std::function<void()> handler) {
    const auto found = FindNamed(m_controls, button);
    if (found == m_controls.end() || !found->button()) {
        throw std::out_of_range(std::string(m_design.name) + " has no button " +
                                std::string(button));
    }
    found->clicked = std::move(handler);
}

void BuiltWindow::ClipWhereCovered() const {
    // Z order is tab order for IsDialogMessage, but where a later row of the table overlaps an
    // earlier one, the later one lies above it, as on the other platforms: frmAbout's diagram
    // over the bottom of its text. The control Windows stacks above is cut away there instead.
    // Lines need no cut: their gaps show what lies beneath them.
    const std::vector<Row> rows = Rows(m_design);
    const auto rank = [&rows](const ControlState& control) {
        return std::ranges::find(rows, control.row) - rows.begin();
    };
    for (auto above = m_controls.begin(); above != m_controls.end(); ++above) {
        if (above->line()) {
            continue;
        }
        const RECT own = PlaceInWindow(above->handle, m_window);
        HRGN visible = nullptr;
        for (auto below = std::next(above); below != m_controls.end(); ++below) {
            RECT covered{};
            const RECT place = PlaceInWindow(below->handle, m_window);
            if (rank(*below) < rank(*above) || !IntersectRect(&covered, &own, &place)) {
                continue;
            }
            if (!visible) {
                visible = CreateRectRgn(0, 0, own.right - own.left, own.bottom - own.top);
            }
            OffsetRect(&covered, -own.left, -own.top);
            HRGN cut = CreateRectRgnIndirect(&covered);
            CombineRgn(visible, visible, cut, RGN_DIFF);
            DeleteObject(cut);
        }
        SetWindowRgn(above->handle, visible, TRUE);  // the window owns the region from here on
    }
}

void BuiltWindow::Click(const ControlState& button) const {
    // A handler that closes the window clears the controls, its own binding among them, while
    // it runs: it runs from a copy.
    const std::function<void()> handler = button.clicked;
    if (!handler) {
        return;
    }
    const std::wstring caption = Widen(button.button()->caption);
    try {
        handler();
    } catch (const std::exception&) {
        TellUser(m_window, L"Не удалось выполнить команду «" + caption + L"».");
    }
}

LRESULT CALLBACK BuiltWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<BuiltWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<BuiltWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    if (!self) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // Nothing thrown may cross into Windows, which called us: what a handler did not catch
    // ends here, and the user hears of it.
    try {
        return self->Handle(message, wParam, lParam);
    } catch (...) {
        static bool told = false;
        TellOnce(window, told, L"Произошла ошибка, и последнее действие программы не выполнено.");
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT BuiltWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(m_window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, m_background.get());
            return 1;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (const ControlState* control = Find(reinterpret_cast<HWND>(lParam))) {
                SetTextColor(reinterpret_cast<HDC>(wParam), control->text);
                SetBkColor(reinterpret_cast<HDC>(wParam), control->background);
                return reinterpret_cast<LRESULT>(control->brush.get());
            }
            break;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (const ControlState* control = Find(item.hwndItem)) {
                if (control->button()) {
                    DrawButton(item, *control);
                } else if (control->line()) {
                    DrawLine(item, *control);
                } else if (control->pictureDesign()) {
                    DrawPicture(item, *control);
                }
                return TRUE;
            }
            break;
        }
        case WM_COMMAND: {
            const ControlState* control = Find(reinterpret_cast<HWND>(lParam));
            if (control && control->button() && HIWORD(wParam) == BN_CLICKED) {
                Click(*control);
                return 0;
            }
            // Enter and Escape, as IsDialogMessage reports them: both press the window's
            // default-and-cancel button, if it has one.
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                if (const ControlState* button = DefaultButton()) {
                    Click(*button);
                    return 0;
                }
            }
            break;
        }
        case WM_NEXTDLGCTL:  // Tab in a multi-line field, or Enter there naming the default
            SetFocus(LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                    : GetNextDlgTabItem(m_window, GetFocus(), wParam != 0));
            return 0;
        case DM_GETDEFID:  // Enter in a multi-line field asks which button to press
            if (const ControlState* button = DefaultButton()) {
                return MAKELRESULT(GetDlgCtrlID(button->handle), DC_HASDEFID);
            }
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(m_window, focus)) {
                    m_lastFocus = focus;
                }
            }
            break;
        case WM_SETFOCUS:
            if (m_lastFocus && IsWindow(m_lastFocus)) {
                SetFocus(m_lastFocus);
            } else if (HWND first = GetNextDlgTabItem(m_window, nullptr, FALSE)) {
                SetFocus(first);
            }
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            LayOut(HIWORD(wParam), POINT{suggested->left, suggested->top});
            return 0;
        }
        case WM_NCDESTROY: {
            m_window = nullptr;
            m_controls.clear();
            m_lastFocus = nullptr;
            if (m_events.closed) {
                m_events.closed();
            }
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

void BuiltWindow::DrawLine(const DRAWITEMSTRUCT& item, const ControlState& control) const {
    const RECT r = item.rcItem;
    const bool across = r.right - r.left >= r.bottom - r.top;
    const int length = across ? r.right - r.left : r.bottom - r.top;
    const RECT place = PlaceInWindow(control.handle, m_window);
    const std::vector<Layer> beneath = LayersBeneath(control);
    for (int i = 0; i < length; ++i) {
        const POINT at = across ? POINT{r.left + i, r.top} : POINT{r.left, r.top + i};
        const POINT inWindow{place.left + at.x, place.top + at.y};
        SetPixelV(item.hDC, at.x, at.y,
                  i % kDotEvery == 0 ? control.text : ColourBeneath(beneath, inWindow));
    }
}

std::vector<BuiltWindow::Layer> BuiltWindow::LayersBeneath(const ControlState& line) const {
    // The gaps show what lies beneath, as if they were clear: the other lines' dots, which lie
    // over everything, then the controls from the top down. A picture fills its own box.
    std::vector<Layer> layers;
    for (const bool dots : {true, false}) {
        for (const ControlState& control : m_controls) {
            if (&control == &line || control.pictureDesign() ||
                (control.line() != nullptr) != dots) {
                continue;
            }
            layers.push_back({PlaceInWindow(control.handle, m_window),
                              dots ? control.text : control.background, dots});
        }
    }
    return layers;
}

COLORREF BuiltWindow::ColourBeneath(const std::vector<Layer>& layers, POINT inWindow) const {
    for (const Layer& layer : layers) {
        const int along = inWindow.x - layer.place.left + inWindow.y - layer.place.top;
        if (PtInRect(&layer.place, inWindow) && (!layer.dots || along % kDotEvery == 0)) {
            return layer.colour;
        }
    }
    return ColourRef(m_design.background);
}

void BuiltWindow::DrawButton(const DRAWITEMSTRUCT& item, const ControlState& control) const {
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    if (control.button()->role == ButtonRole::DefaultAndCancel) {
        // The default button's dark outline, as Windows draws it on its own push buttons.
        FrameRect(dc, &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&face, -1, -1);
    }
    FillRect(dc, &face, control.brush.get());
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const Selected font(dc, control.madeFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT text = face;
    if (pressed) {
        OffsetRect(&text, 1, 1);
    }
    const std::wstring caption = Widen(control.button()->caption);
    DrawTextW(dc, caption.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&face, -3, -3);
        DrawFocusRect(dc, &face);
    }
}

void BuiltWindow::DrawPicture(const DRAWITEMSTRUCT& item, const ControlState& control) const {
    HDC dc = item.hDC;
    const RECT box = item.rcItem;
    FillRect(dc, &box, m_background.get());
    if (control.picture) {
        DrawBitmap(dc, box, control);
    }
    if (GetFocus() == item.hwndItem) {
        DrawFocusRect(dc, &box);
    }
}

void BuiltWindow::DrawBitmap(HDC dc, const RECT& box, const ControlState& control) const {
    const SIZE natural = control.picture->size;
    // Natural size is one picture pixel per pixel at 96 dpi, scaled with the window's DPI.
    int width = MulDiv(natural.cx, static_cast<int>(m_dpi), USER_DEFAULT_SCREEN_DPI);
    int height = MulDiv(natural.cy, static_cast<int>(m_dpi), USER_DEFAULT_SCREEN_DPI);
    int left = box.left;
    int top = box.top;
    if (control.pictureDesign()->fit == PictureFit::ScaledToFit) {
        const int boxWidth = box.right - box.left;
        const int boxHeight = box.bottom - box.top;
        if (boxWidth * natural.cy <= boxHeight * natural.cx) {
            width = boxWidth;
            height = MulDiv(natural.cy, boxWidth, natural.cx);
        } else {
            height = boxHeight;
            width = MulDiv(natural.cx, boxHeight, natural.cy);
        }
        left += (boxWidth - width) / 2;
        top += (boxHeight - height) / 2;
    }
    HDC source = CreateCompatibleDC(dc);
    {
        const Selected bitmap(source, control.picture->bitmap.get());
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, left, top, width, height, source, 0, 0, natural.cx, natural.cy, SRCCOPY);
    }
    DeleteDC(source);
}

}  // namespace ui::win32
