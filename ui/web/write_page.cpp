// SPDX-License-Identifier: MIT
// Writes the page's markup and layout from the design tables at build time.
// Usage: write_page SOURCE_DIRECTORY SITE_DIRECTORY HANDLERS_JS DESIGN_JSON
//        fills in index.html.in and manifest.webmanifest.in and puts the fonts and the windows'
//        layout after page.css, all into SITE_DIRECTORY; HANDLERS_JS gets page.js with the
//        control names before it, for the build to join to the calculation's loader;
//        DESIGN_JSON gets every window's geometry in twips, for the tests to check the page
//        against. One style sheet and one script: every file more is a request more before the
//        first press.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "ui/design/design.h"
#include "ui/design/form1_controls.h"
#include "ui/design/form1_gain.h"
#include "ui/design/info_window_controls.h"
#include "ui/web/page_faces.h"
#include "ui/web/page_layout.h"

namespace {

using ui::web::WindowKind;

std::string Read(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void Write(const std::filesystem::path& path, std::string_view text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void Replace(std::string& text, std::string_view marker, std::string_view by) {
    const auto at = text.find(marker);
    if (at == std::string::npos) {
        throw std::runtime_error("the template has no " + std::string(marker));
    }
    text.replace(at, marker.size(), by);
}

// A browser collapses runs of spaces in a title and drops a leading one; no-break spaces keep
// the title as designed.
std::string KeptSpaces(std::string_view title) {
    std::string kept;
    for (char c : title) {
        kept += c == ' ' ? std::string_view("\u00a0") : std::string_view(&c, 1);
    }
    return kept;
}

// The names the page's script finds its controls and windows by, from the same constants as
// the design tables, so a renamed control is renamed for the script too.
std::string ControlNames() {
    namespace form1 = ui::form1;
    const std::pair<std::string_view, std::string_view> form1Controls[] = {
        {"Text8_0", form1::Text8_0},
        {"Command1", form1::Command1},
        {"Command2", form1::Command2},
        {"Command3", form1::Command3},
    };
    std::string script =
        "\"use strict\";\n"
        "// Written by write_page from the design tables' control names.\n"
        "const kForm1 = Object.freeze({\n";
    for (const auto& [key, name] : form1Controls) {
        script += "    " + std::string(key) + ": \"" + std::string(name) + "\",\n";
    }
    script +=
        "});\n// The fields \"Расчет\" reads, in the order the calculation takes them.\n"
        "const kGainFields = Object.freeze([";
    for (const form1::GainField& row : form1::kGainFields) {
        script += "\"" + std::string(row.field) + "\", ";
    }
    script += "]);\nconst kInfoWindow = Object.freeze({cmdOK: \"" +
              std::string(ui::info_window::cmdOK) + "\"});\n";
    script += "const kWindows = Object.freeze({Form1: \"" + std::string(ui::kForm1Design.name) +
              "\", frmAbout: \"" + std::string(ui::kFrmAboutDesign.name) + "\", frmAbout1: \"" +
              std::string(ui::kFrmAbout1Design.name) + "\"});\n";
    return script;
}

// "gainFields": {"F": "Text10(2)", ...}: which field the tests type each input of a case into.
std::string GainFieldsJson() {
    std::string json = "\"gainFields\": {";
    for (const ui::form1::GainField& row : ui::form1::kGainFields) {
        json += (&row == ui::form1::kGainFields.data() ? "\"" : ", \"") +
                std::string(calc::kInputNames[calc::Index(row.input)]) + "\": \"" +
                std::string(row.field) + "\"";
    }
    return json + "}";
}

// The page's fields take what the desktop's do; a text set by a script is not held to it.
std::string FieldLimit() {
    return "// The most a field takes, in UTF-16 units as a string's length counts them.\n"
           "const kFieldCharacters = " +
           std::to_string(ui::kFieldCharacters) + ";\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fputs("usage: write_page SOURCE_DIRECTORY SITE_DIRECTORY HANDLERS_JS DESIGN_JSON\n",
                   stderr);
        return 2;
    }
    try {
        const std::filesystem::path source = argv[1];
        const std::filesystem::path out = argv[2];
        std::string page = Read(source / "index.html.in");
        Replace(page, "@TITLE@", ui::web::Escaped(KeptSpaces(ui::kForm1Design.title)));
        Replace(page, "@ICON@", ui::kForm1Design.icon);
        Replace(page, "@FONT_PRELOADS@", ui::web::FontPreloads());
        Replace(page, "@WINDOWS@",
                ui::web::WindowMarkup(ui::kForm1Design, WindowKind::Panel) +
                    ui::web::WindowMarkup(ui::kFrmAboutDesign, WindowKind::Dialog) +
                    ui::web::WindowMarkup(ui::kFrmAbout1Design, WindowKind::Dialog));
        Write(out / "index.html", page);
        Write(out / "page.css",
              Read(source / "page.css") +
                  "\n/* The faces, written by write_page from the faces table. */\n" +
                  ui::web::FontFaceRules() +
                  "\n/* The windows, written by write_page from the design tables. */\n" +
                  ui::web::WindowStyle(ui::kForm1Design, WindowKind::Panel) +
                  ui::web::WindowStyle(ui::kFrmAboutDesign, WindowKind::Dialog) +
                  ui::web::WindowStyle(ui::kFrmAbout1Design, WindowKind::Dialog));
        // In a function of its own: strict, and none of its names in the loader's scope.
        Write(argv[3],
              "(() => {\n" + ControlNames() + FieldLimit() + Read(source / "page.js") + "})();\n");

        // The name under an installed icon: the title without its padding.
        std::string manifest = Read(source / "manifest.webmanifest.in");
        std::string_view name = ui::kForm1Design.title;
        name.remove_prefix(name.find_first_not_of(' '));
        Replace(manifest, "@NAME@", name);
        const std::string background = ui::web::CssColour(ui::kForm1Design.background);
        Replace(manifest, "@BACKGROUND@", background);
        Replace(manifest, "@BACKGROUND@", background);
        Write(out / "manifest.webmanifest", manifest);

        Write(argv[4], "{\n" + ui::web::GeometryJson(ui::kForm1Design) + ",\n" +
                           ui::web::GeometryJson(ui::kFrmAboutDesign) + ",\n" +
                           ui::web::GeometryJson(ui::kFrmAbout1Design) + ",\n" + GainFieldsJson() +
                           "\n}\n");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "write_page: %s\n", error.what());
        return 1;
    }
    return 0;
}
