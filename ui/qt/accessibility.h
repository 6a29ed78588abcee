// SPDX-License-Identifier: MIT
#pragma once

namespace ui {

// Gives assistive tools what Qt alone would not: text fields that report their text whole and
// answer every question about it without hanging (see accessible_field.h), and the program's
// own name instead of its file name and path. Call it once, after the QApplication exists.
void InstallAccessibility();

}  // namespace ui
