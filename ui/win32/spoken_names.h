// SPDX-License-Identifier: MIT
// What a screen reader says for a control that has no caption of its own to read.
#pragma once

#include <windows.h>
// after windows.h, whose types it uses
#include <oleacc.h>

#include <string_view>

#include "ui/win32/handles.h"

namespace ui::win32 {

// The accessibility service that keeps the names, one for all the controls of a window. COM must
// be initialised on the calling thread; null when the system has no such service.
ComPtr<IAccPropServices> OpenSpokenNames();

// Sets the accessible name and, if given, the description of the control's client object.
// Without the service the control just keeps its default name.
void SetSpokenName(IAccPropServices* names, HWND control, std::string_view name,
                   std::string_view description = {});

}  // namespace ui::win32
