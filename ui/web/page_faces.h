// SPDX-License-Identifier: MIT
// The designer's faces as the page ships them: the Liberation faces cut down to Latin and
// Cyrillic and renamed, one row per face of ui/design/faces.tsv.
#pragma once

#include <string>
#include <string_view>

namespace ui::web {

// The CSS font-family list that draws a face of the design tables. Throws
// std::invalid_argument for a face the page ships no font for.
std::string WebFamily(std::string_view face);

// The @font-face rule of every font file the page ships, and --chrome-font-family, the family
// page.css draws the page's own title bars and close boxes in.
std::string FontFaceRules();

// A <link rel="preload"> for the regular weight of every face: Form1's texts, which show one
// round trip sooner when their fonts come with the first wave of requests.
std::string FontPreloads();

}  // namespace ui::web
