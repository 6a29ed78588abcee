// SPDX-License-Identifier: MIT
// The Win32 builder: one top-level window made from a design table, with native controls. The
// same class builds all three windows; what differs between them is only their table.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/design/design.h"
#include "ui/design/rows.h"
#include "ui/win32/handles.h"
#include "ui/win32/pictures.h"
#include "ui/win32/spoken_names.h"

namespace ui::win32 {

struct WindowEvents {
    std::function<void()> closed;  // the on-screen window and its controls are gone
};

class BuiltWindow {
public:
    // Builds the window hidden, at the DPI of the monitor it lands on. The owner, if any, keeps
    // the window off the task bar. Throws std::runtime_error when Windows refuses a part of it,
    // and then leaves no window behind.
    BuiltWindow(const WindowDesign& design, HWND owner, WindowEvents events);
    ~BuiltWindow();
    BuiltWindow(const BuiltWindow&) = delete;
    BuiltWindow& operator=(const BuiltWindow&) = delete;

    // Shows the window and gives the focus to the first control in tab order. A picture that
    // did not decode leaves its frame empty; the first such window of the run says so.
    void Show();
    // Brings an open window to the front, keeping its content.
    void Raise();
    bool IsOpen() const { return m_window != nullptr; }
    HWND Window() const { return m_window; }
    // A control by its design name; throws std::out_of_range naming it when there is none.
    HWND Control(std::string_view name) const;
    // Runs handler when the button of that design name is pressed, and, on the window's
    // default-and-cancel button, on Enter and Escape too. Bound right after the window is
    // built, so that a name the window does not hold, or a control that is not a button, stops
    // the building with std::out_of_range naming it instead of leaving a button that does
    // nothing.
    void OnClick(std::string_view button, std::function<void()> handler);
    UINT Dpi() const { return m_dpi; }

private:
    struct ControlState {
        HWND handle = nullptr;
        Row row;
        const FontDesign* font = nullptr;
        COLORREF text = 0;
        COLORREF background = 0;
        UniqueBrush brush;
        HFONT madeFont = nullptr;  // one of m_fonts
        std::optional<Picture> picture;
        std::function<void()> clicked;

        const ButtonDesign* button() const { return As<ButtonDesign>(row); }
        const LineDesign* line() const { return As<LineDesign>(row); }
        const PictureDesign* pictureDesign() const { return As<PictureDesign>(row); }
    };

    // What shows through a line's gaps: a rectangle of the window in one colour, or another
    // line's dots.
    struct Layer {
        RECT place;
        COLORREF colour;
        bool dots;
    };

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void AddControls();
    ControlState& Add(const Row& row, const wchar_t* windowClass, DWORD style, DWORD exStyle,
                      std::string_view text);
    void AddField(const FieldDesign& field);
    void AddButton(const ButtonDesign& button);
    void AddPicture(const PictureDesign& picture);
    void AddLabel(const LabelDesign& label);
    void LayOut(UINT dpi, std::optional<POINT> windowOrigin);
    void ClipWhereCovered() const;
    const ControlState* Find(HWND handle) const;
    // The button that Enter and Escape press, if the window has one.
    const ControlState* DefaultButton() const;
    void Click(const ControlState& button) const;
    void AddLine(const LineDesign& line);
    void DrawLine(const DRAWITEMSTRUCT& item, const ControlState& control) const;
    // Worked out once per paint of a line, not for each of its gaps.
    std::vector<Layer> LayersBeneath(const ControlState& line) const;
    COLORREF ColourBeneath(const std::vector<Layer>& layers, POINT inWindow) const;
    void DrawButton(const DRAWITEMSTRUCT& item, const ControlState& control) const;
    void DrawPicture(const DRAWITEMSTRUCT& item, const ControlState& control) const;
    void DrawBitmap(HDC dc, const RECT& box, const ControlState& control) const;

    const WindowDesign& m_design;
    WindowEvents m_events;
    HWND m_window = nullptr;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    UniqueBrush m_background;
    ComPtr<IAccPropServices> m_spokenNames;  // asked for once, for every control of the window
    UniqueIcon m_bigIcon;
    UniqueIcon m_smallIcon;
    struct MadeFont {
        const FontDesign* design;
        UniqueFont font;
    };
    // One font per distinct face, size and weight, made anew at each DPI.
    std::vector<MadeFont> m_fonts;
    std::vector<ControlState> m_controls;
    HWND m_lastFocus = nullptr;
};

}  // namespace ui::win32
