// SPDX-License-Identifier: MIT
#include "ui/web/page_faces.h"

#include <fmt/format.h>

#include "ui/design/faces.h"

namespace ui::web {
namespace {

std::string Family(const FaceStandIns& face) {
    return fmt::format("\"{}\", {}", face.webFamily, face.webGeneric);
}

std::string FontFace(std::string_view family, std::string_view file, int weight) {
    return fmt::format(
        "@font-face {{\n    font-family: \"{}\";\n    src: url(\"fonts/{}\") format(\"woff2\");\n"
        "    font-weight: {};\n}}\n",
        family, file, weight);
}

}  // namespace

std::string WebFamily(std::string_view face) {
    return Family(FaceOf(face));
}

std::string FontFaceRules() {
    std::string rules;
    std::string chrome;
    for (const FaceStandIns& face : Faces()) {
        rules += FontFace(face.webFamily, face.webRegularFile, 400);
        if (!face.webBoldFile.empty()) {
            rules += FontFace(face.webFamily, face.webBoldFile, 700);
        }
        if (face.pageChrome) {
            chrome = Family(face);
        }
    }
    return rules + fmt::format(":root {{\n    --chrome-font-family: {};\n}}\n", chrome);
}

std::string FontPreloads() {
    std::string links;
    for (const FaceStandIns& face : Faces()) {
        links += fmt::format(
            "<link rel=\"preload\" href=\"fonts/{}\" as=\"font\" type=\"font/woff2\" "
            "crossorigin>\n",
            face.webRegularFile);
    }
    return links;
}

}  // namespace ui::web
