// SPDX-License-Identifier: MIT
// The vocabulary of the design tables: every window is plain data in these terms, measured in
// twips as it was laid out. Nothing here knows a toolkit; each renderer has a builder that
// turns a table into its own controls.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace ui {

// 1/1440 inch. At 96 dpi fifteen of them make a device-independent pixel; each platform's
// high-DPI scaling takes it from there, so the windows keep their physical size on any screen.
inline constexpr int kTwipsPerPixel = 15;

// The most a text field takes, in UTF-16 units: the Windows edit control's and Qt's line edit's
// limit, kept on every platform so that a text that works on one works on all.
inline constexpr int kFieldCharacters = 32767;

struct TwipsPoint {
    int x;
    int y;
};

struct TwipsSize {
    int width;
    int height;
};

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct Colour {
    enum class Source {
        Fixed,       // the red, green and blue below
        Desktop,     // the desktop background colour of the windowing system
        WindowText,  // the windowing system's colour for text in fields
    };
    Source source;
    int red = 0;
    int green = 0;
    int blue = 0;
};

constexpr Colour Rgb(int red, int green, int blue) {
    return {Colour::Source::Fixed, red, green, blue};
}
inline constexpr Colour kDesktopColour{Colour::Source::Desktop};
inline constexpr Colour kWindowTextColour{Colour::Source::WindowText};

// Faces are the designer's; the platform's font substitutions map them to installed ones.
struct FontDesign {
    std::string_view face;
    double points;
    bool bold = false;

    friend constexpr bool operator==(const FontDesign&, const FontDesign&) = default;
};

// Static text. It never takes the keyboard focus.
struct LabelDesign {
    std::string_view name;
    std::string_view caption;
    TwipsRect geometry;
    Colour text;
    Colour background;
    FontDesign font;
};

enum class FieldLines { Single, Multi };

struct FieldDesign {
    std::string_view name;
    FieldLines lines;
    TwipsRect geometry;
    std::string_view text;
    Colour textColour;
    Colour background;
    FontDesign font;
    int tabIndex;
    std::string_view spokenName;  // what a screen reader announces for it
};

enum class ButtonRole {
    Plain,
    DefaultAndCancel,  // Enter and Escape both press it
};

struct ButtonDesign {
    std::string_view name;
    std::string_view caption;
    TwipsRect geometry;
    Colour face;
    FontDesign font;
    int tabIndex;
    ButtonRole role;
};

// A straight one-pixel dotted line.
struct LineDesign {
    std::string_view name;
    TwipsPoint from;
    TwipsPoint to;
    Colour colour;
};

enum class PictureFit {
    NaturalSize,  // pixel for pixel from the top left corner
    ScaledToFit,  // as large as fits, proportions kept, centred
};

// A picture from the program's resources. It takes the keyboard focus in its place in the
// tab order, showing a focus frame, so that a screen reader user reaches it and hears what it
// shows.
struct PictureDesign {
    std::string_view name;
    std::string_view resource;  // a file of ui/resources/
    TwipsRect geometry;
    PictureFit fit;
    int tabIndex;
    std::string_view spokenName;
    std::string_view spokenDescription;  // what the picture shows, for those who cannot see it
};

struct WindowDesign {
    std::string_view name;
    std::string_view title;
    TwipsSize clientSize;
    std::optional<TwipsPoint> clientPosition;  // empty: the window manager places it
    Colour background;
    std::string_view icon;  // a file of ui/resources/; empty: no icon of its own
    bool taskbarButton;
    // Built in this order, each kind above the one before it.
    std::span<const FieldDesign> fields;
    std::span<const PictureDesign> pictures;
    std::span<const LabelDesign> labels;
    std::span<const ButtonDesign> buttons;
    std::span<const LineDesign> lines;
};

extern const WindowDesign kForm1Design;
extern const WindowDesign kFrmAboutDesign;
extern const WindowDesign kFrmAbout1Design;

}  // namespace ui
