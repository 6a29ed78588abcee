// SPDX-License-Identifier: MIT
// What a screen reader says for a control that has no caption of its own to read.
#pragma once

#include <windows.h>

#include <string_view>

namespace ui::win32 {

// Sets the accessible name and, if given, the description of the control's client object.
// COM must be initialised on the calling thread; without the accessibility service the control
// just keeps its default name.
void SetSpokenName(HWND control, std::string_view name, std::string_view description = {});

}  // namespace ui::win32
