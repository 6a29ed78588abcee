// SPDX-License-Identifier: MIT
// The program's message loop, and the handling of one message that tests share with it.
#pragma once

#include <windows.h>

namespace ui::win32 {

// Tab, Enter and Escape as in a dialog box, Ctrl+A selecting a field's whole text, and nothing
// for the second click of a double-click whose first closed its window; then the ordinary
// translation and dispatch.
void ProcessMessage(MSG& message);

// Runs until PostQuitMessage; returns its exit code.
int RunMessageLoop();

}  // namespace ui::win32
