// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string_view>

namespace ui {

// Picks, once the application exists, the installed family that draws each face the designs
// name: the face itself where it is installed and can draw Cyrillic, else the first such of
// its stand-ins. When no installed font at all can draw Cyrillic, says so.
void ChooseFaces();

// The family chosen for a face of the designs; the face itself where none was found.
QString Face(std::string_view designFace);

}  // namespace ui
