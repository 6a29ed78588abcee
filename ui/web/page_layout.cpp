// SPDX-License-Identifier: MIT
#include "ui/web/page_layout.h"

#include <stdexcept>
#include <string_view>

#include <fmt/format.h>

#include "ui/design/pixels.h"
#include "ui/design/rows.h"
#include "ui/web/page_faces.h"

namespace ui::web {

std::string CssColour(Colour colour) {
    switch (colour.source) {
        case Colour::Source::Desktop:
            return "var(--desktop-colour)";
        case Colour::Source::WindowText:
            return "FieldText";
        case Colour::Source::Fixed:
            break;
    }
    return fmt::format("rgb({}, {}, {})", colour.red, colour.green, colour.blue);
}

namespace {

std::string Css(Colour colour) {
    return CssColour(colour);
}

std::string Css(const FontDesign& font) {
    return fmt::format("font-family: {}; font-size: {}pt; font-weight: {};", WebFamily(font.face),
                       font.points, font.bold ? 700 : 400);
}

std::string Css(PixelRect box) {
    return fmt::format("left: {}px; top: {}px; width: {}px; height: {}px;", box.left, box.top,
                       box.width, box.height);
}

std::string Css(TwipsRect box) {
    return Css(Pixels(box));
}

// Where the controls of a window live on the page.
std::string Scope(const WindowDesign& design, WindowKind kind) {
    return kind == WindowKind::Panel ? fmt::format("#{} >", design.name)
                                     : fmt::format("#{} > .client >", design.name);
}

std::string Rule(const WindowDesign& design, WindowKind kind, std::string_view control,
                 std::string_view declarations) {
    return fmt::format("{} [data-control=\"{}\"] {{ {} }}\n", Scope(design, kind), control,
                       declarations);
}

std::string Attribute(std::string_view name, std::string_view value) {
    return fmt::format(" {}=\"{}\"", name, Escaped(value));
}

std::string Identity(std::string_view name) {
    return Attribute("data-control", name);
}

std::string Focusable(std::string_view name, int tabIndex) {
    return Identity(name) + Attribute("data-tab", std::to_string(tabIndex));
}

std::string Markup(const FieldDesign& field) {
    // Without a limit a paste of millions of characters is taken whole, as no desktop field
    // takes it, and every press then carries it into the calculation.
    const std::string common = Focusable(field.name, field.tabIndex) +
                               Attribute("aria-label", field.spokenName) +
                               Attribute("maxlength", std::to_string(kFieldCharacters)) +
                               " spellcheck=\"false\" autocomplete=\"off\"";
    if (field.lines == FieldLines::Multi) {
        return fmt::format("<textarea class=\"field\"{}>{}</textarea>\n", common,
                           Escaped(field.text));
    }
    // The text keyboard: its digit layer has the full stop in every language, and E, &H and &O
    // stay within reach. A decimal pad shows the phone's own separator, a comma in Russian,
    // which ends the number.
    return fmt::format(
        "<input class=\"field\" type=\"text\" inputmode=\"text\" autocapitalize=\"off\"{}{}>\n",
        common, Attribute("value", field.text));
}

// The box takes the focus in its place in the tab order and is what a screen reader reads,
// its name and then its description; the picture inside says nothing more.
std::string Markup(const PictureDesign& picture) {
    const char* fit = picture.fit == PictureFit::NaturalSize ? "natural" : "scaled";
    return fmt::format(
        "<div class=\"picture\" tabindex=\"0\" role=\"img\"{}{}{}><img class=\"{}\" "
        "src=\"pictures/{}\" alt=\"\"></div>\n",
        Focusable(picture.name, picture.tabIndex), Attribute("aria-label", picture.spokenName),
        Attribute("aria-description", picture.spokenDescription), fit, Escaped(picture.resource));
}

std::string Markup(const LabelDesign& label) {
    return fmt::format("<div class=\"label\"{}>{}</div>\n", Identity(label.name),
                       Escaped(label.caption));
}

std::string Markup(const ButtonDesign& button) {
    const char* role = button.role == ButtonRole::DefaultAndCancel ? " data-default-cancel" : "";
    return fmt::format("<button type=\"button\" class=\"button\"{}{}>{}</button>\n",
                       Focusable(button.name, button.tabIndex), role, Escaped(button.caption));
}

std::string Markup(const LineDesign& line) {
    return fmt::format("<div class=\"line\"{} aria-hidden=\"true\"></div>\n", Identity(line.name));
}

// A line is one pixel wide and covers both its ends; the dots are one pixel on, two off.
std::string LineStyle(const LineDesign& line) {
    const PixelRect box = LinePixels(line);
    if (box.width != 1 && box.height != 1) {
        throw std::invalid_argument(fmt::format("{} is neither level nor upright", line.name));
    }
    return fmt::format(
        "{} background: repeating-linear-gradient(to {}, {} 0 1px, transparent 1px 3px);", Css(box),
        box.height == 1 ? "right" : "bottom", Css(line.colour));
}

// The rule that places and paints one control.
std::string Style(const WindowDesign& design, WindowKind kind, const Row& row) {
    return Rule(design, kind, Name(row),
                Visit(
                    row,
                    [](const FieldDesign& field) {
                        return Css(field.geometry) + " color: " + Css(field.textColour) +
                               "; background: " + Css(field.background) + "; " + Css(field.font);
                    },
                    [](const PictureDesign& picture) { return Css(picture.geometry); },
                    [](const LabelDesign& label) {
                        return Css(label.geometry) + " color: " + Css(label.text) +
                               "; background: " + Css(label.background) + "; " + Css(label.font);
                    },
                    [](const ButtonDesign& button) {
                        return Css(button.geometry) + " background: " + Css(button.face) + "; " +
                               Css(button.font);
                    },
                    [](const LineDesign& line) { return LineStyle(line); }));
}

}  // namespace

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string WindowMarkup(const WindowDesign& design, WindowKind kind) {
    // In the walk's order, which stacks each kind above the one before it, as on the desktop.
    std::string controls;
    for (const Row& row : Rows(design)) {
        controls += Visit(
            row, [](const FieldDesign& field) { return Markup(field); },
            [](const PictureDesign& picture) { return Markup(picture); },
            [](const LabelDesign& label) { return Markup(label); },
            [](const ButtonDesign& button) { return Markup(button); },
            [](const LineDesign& line) { return Markup(line); });
    }
    if (kind == WindowKind::Panel) {
        return fmt::format("<div id=\"{}\" class=\"window\">\n{}</div>\n", design.name, controls);
    }
    const std::string icon =
        design.icon.empty()
            ? std::string()
            : fmt::format("<img class=\"icon\" src=\"pictures/{}\" alt=\"\">", design.icon);
    return fmt::format(
        "<template id=\"{0}-design\">\n"
        "<dialog id=\"{0}\" class=\"window\" aria-labelledby=\"{0}-title\">\n"
        "<div class=\"title-bar\">{1}<span id=\"{0}-title\" class=\"title\">{2}</span>"
        "<button type=\"button\" class=\"close-box\" tabindex=\"-1\" aria-label=\"Закрыть\">"
        "</button></div>\n"
        "<div class=\"client\">\n{3}</div>\n"
        "</dialog>\n"
        "</template>\n",
        design.name, icon, Escaped(design.title), controls);
}

std::string WindowStyle(const WindowDesign& design, WindowKind kind) {
    const std::string size =
        fmt::format("width: {}px; height: {}px; background: {};", Pixels(design.clientSize.width),
                    Pixels(design.clientSize.height), Css(design.background));
    std::string style;
    if (kind == WindowKind::Panel) {
        style = fmt::format("#{} {{ {} }}\n", design.name, size);
    } else {
        // The page script reads the design position from here when it opens the window.
        const TwipsPoint at = design.clientPosition.value_or(TwipsPoint{0, 0});
        style = fmt::format(
            "#{0} {{ --client-left: {1}; --client-top: {2}; }}\n"
            "#{0} > .client {{ {3} }}\n",
            design.name, Pixels(at.x), Pixels(at.y), size);
    }
    for (const Row& row : Rows(design)) {
        style += Style(design, kind, row);
    }
    return style;
}

std::string GeometryJson(const WindowDesign& design) {
    const auto box = [](TwipsRect r) {
        return fmt::format("[{}, {}, {}, {}]", r.left, r.top, r.width, r.height);
    };
    std::string controls;
    for (const Row& row : Rows(design)) {
        controls += fmt::format("{}\n    \"{}\": {}", controls.empty() ? "" : ",", Name(row),
                                box(Box(row)));
    }
    const TwipsPoint at = design.clientPosition.value_or(TwipsPoint{0, 0});
    return fmt::format("\"{}\": {{\"client\": {}, \"controls\": {{{}\n}}}}", design.name,
                       box({at.x, at.y, design.clientSize.width, design.clientSize.height}),
                       controls);
}

}  // namespace ui::web
