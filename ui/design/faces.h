// SPDX-License-Identifier: MIT
// The designer's faces and what each platform draws them with, one row per face of
// ui/design/faces.tsv. The designs name faces of the Windows of their day; where those are
// missing, the metric-compatible Liberation faces keep every text the size it was laid out for.
#pragma once

#include <span>
#include <string_view>

namespace ui {

struct FaceStandIns {
    std::string_view design;      // as the design tables name it
    std::string_view qtStandIns;  // comma-separated, tried in turn where the face is missing
    // What Windows is asked for: the old bitmap MS Sans Serif has no 18-point size at most DPIs,
    // its TrueType successor has them all.
    std::string_view windows;
    std::string_view webFamily;  // the Liberation face cut down and renamed, as its licence asks
    std::string_view webGeneric;
    std::string_view webRegularFile;  // in the page's fonts/
    std::string_view webBoldFile;     // empty: the page ships no bold of this face
    bool pageChrome;                  // the page draws its own title bars and close boxes in it
};

std::span<const FaceStandIns> Faces();

// The row of a face the design tables name. Throws std::invalid_argument for a face the table
// does not know, which no platform could draw as designed.
const FaceStandIns& FaceOf(std::string_view design);

}  // namespace ui
