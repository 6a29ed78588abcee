// SPDX-License-Identifier: MIT
#include "ui/web/page_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include <fmt/format.h>

namespace ui::web {
namespace {

// The same rounding as the desktop builders, so a control lands on the same pixel.
int Pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

}  // namespace

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

// The designer's faces, as the page ships them: metric-compatible Liberation faces cut down to
// Latin and Cyrillic and renamed, as their licence asks of a modified font.
std::string_view WebFamily(std::string_view face) {
    if (face == "Times New Roman") {
        return "\"Gain Serif\", serif";
    }
    if (face == "MS Sans Serif") {
        return "\"Gain Sans\", sans-serif";
    }
    throw std::invalid_argument(fmt::format("no web font for the face {}", face));
}

std::string Css(const FontDesign& font) {
    return fmt::format("font-family: {}; font-size: {}pt; font-weight: {};", WebFamily(font.face),
                       font.points, font.bold ? 700 : 400);
}

std::string Css(TwipsRect box) {
    return fmt::format("left: {}px; top: {}px; width: {}px; height: {}px;", Pixels(box.left),
                       Pixels(box.top), Pixels(box.width), Pixels(box.height));
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
    const int x1 = Pixels(line.from.x), y1 = Pixels(line.from.y);
    const int x2 = Pixels(line.to.x), y2 = Pixels(line.to.y);
    if (x1 != x2 && y1 != y2) {
        throw std::invalid_argument(fmt::format("{} is neither level nor upright", line.name));
    }
    const bool level = y1 == y2;
    return fmt::format(
        "left: {}px; top: {}px; width: {}px; height: {}px; background: "
        "repeating-linear-gradient(to {}, {} 0 1px, transparent 1px 3px);",
        std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1,
        level ? "right" : "bottom", Css(line.colour));
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
    std::string controls;
    for (const FieldDesign& field : design.fields) {
        controls += Markup(field);
    }
    for (const PictureDesign& picture : design.pictures) {
        controls += Markup(picture);
    }
    for (const LabelDesign& label : design.labels) {
        controls += Markup(label);
    }
    for (const ButtonDesign& button : design.buttons) {
        controls += Markup(button);
    }
    for (const LineDesign& line : design.lines) {
        controls += Markup(line);
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
    for (const FieldDesign& field : design.fields) {
        style += Rule(design, kind, field.name,
                      Css(field.geometry) + " color: " + Css(field.textColour) +
                          "; background: " + Css(field.background) + "; " + Css(field.font));
    }
    for (const PictureDesign& picture : design.pictures) {
        style += Rule(design, kind, picture.name, Css(picture.geometry));
    }
    for (const LabelDesign& label : design.labels) {
        style += Rule(design, kind, label.name,
                      Css(label.geometry) + " color: " + Css(label.text) +
                          "; background: " + Css(label.background) + "; " + Css(label.font));
    }
    for (const ButtonDesign& button : design.buttons) {
        style += Rule(
            design, kind, button.name,
            Css(button.geometry) + " background: " + Css(button.face) + "; " + Css(button.font));
    }
    for (const LineDesign& line : design.lines) {
        style += Rule(design, kind, line.name, LineStyle(line));
    }
    return style;
}

std::string GeometryJson(const WindowDesign& design) {
    const auto box = [](TwipsRect r) {
        return fmt::format("[{}, {}, {}, {}]", r.left, r.top, r.width, r.height);
    };
    std::string controls;
    const auto add = [&](std::string_view name, TwipsRect r) {
        controls += fmt::format("{}\n    \"{}\": {}", controls.empty() ? "" : ",", name, box(r));
    };
    for (const FieldDesign& field : design.fields) {
        add(field.name, field.geometry);
    }
    for (const PictureDesign& picture : design.pictures) {
        add(picture.name, picture.geometry);
    }
    for (const LabelDesign& label : design.labels) {
        add(label.name, label.geometry);
    }
    for (const ButtonDesign& button : design.buttons) {
        add(button.name, button.geometry);
    }
    for (const LineDesign& line : design.lines) {
        add(line.name, {std::min(line.from.x, line.to.x), std::min(line.from.y, line.to.y),
                        std::abs(line.to.x - line.from.x), std::abs(line.to.y - line.from.y)});
    }
    const TwipsPoint at = design.clientPosition.value_or(TwipsPoint{0, 0});
    return fmt::format("\"{}\": {{\"client\": {}, \"controls\": {{{}\n}}}}", design.name,
                       box({at.x, at.y, design.clientSize.width, design.clientSize.height}),
                       controls);
}

}  // namespace ui::web
