// SPDX-License-Identifier: MIT
// The program's message loop, and the handling of one message that tests share with it.
#pragma once

#include <windows.h>

namespace ui::win32 {

// Tab, Enter and Escape as in a dialog box, and Ctrl+A selecting a field's whole text; then the
// ordinary translation and dispatch.
void ProcessMessage(MSG& message);

// Runs until PostQuitMessage; returns its exit code.
int RunMessageLoop();

}  // namespace ui::win32
