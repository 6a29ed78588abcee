// SPDX-License-Identifier: MIT
#include "ui/design/faces.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

namespace ui {
namespace {

// Written by CMake from faces.tsv, which the build scripts read too.
constexpr FaceStandIns kFaces[] = {
#include "ui/design/face_rows.inc"
};

}  // namespace

std::span<const FaceStandIns> Faces() {
    return kFaces;
}

const FaceStandIns& FaceOf(std::string_view design) {
    const auto* row =
        std::find_if(std::begin(kFaces), std::end(kFaces),
                     [design](const FaceStandIns& face) { return face.design == design; });
    if (row == std::end(kFaces)) {
        throw std::invalid_argument("no stand-ins for the face " + std::string(design));
    }
    return *row;
}

}  // namespace ui
