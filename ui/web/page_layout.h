// SPDX-License-Identifier: MIT
// Turns a design table into the page's markup and style, so that the web page shows the same
// windows as the desktop builds without a coordinate, colour or caption written twice.
#pragma once

#include <string>

#include "ui/design/design.h"

namespace ui::web {

// How a window appears on the page.
enum class WindowKind {
    Panel,   // the page itself: Form1
    Dialog,  // an information window: a <dialog> kept in a <template>, built afresh on each open
};

// The window's markup: its controls, in the order the desktop builders stack them.
std::string WindowMarkup(const WindowDesign& design, WindowKind kind);

// The style that places and paints the window and every control in it.
std::string WindowStyle(const WindowDesign& design, WindowKind kind);

// "name": {"client": [left, top, width, height], "controls": {"name": [left, top, width,
// height], ...}}, in twips; a line's box covers both its ends, and a window placed by the
// window manager is at 0, 0.
std::string GeometryJson(const WindowDesign& design);

// A colour as CSS writes it.
std::string CssColour(Colour colour);

// A text as HTML shows it, with every character that could start markup escaped.
std::string Escaped(std::string_view text);

}  // namespace ui::web
