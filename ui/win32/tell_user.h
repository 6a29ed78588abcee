// SPDX-License-Identifier: MIT
// What the user is told when the program cannot do what was asked: one sentence in a message
// box. The window procedures and wWinMain catch what is thrown and come here, so that nothing
// ends the program unexplained.
#pragma once

#include <windows.h>

#include <string_view>

namespace ui::win32 {

// Shows the sentence in a message box over owner (none for no owner) and returns once the user
// has read it. The test programs link their own, which records the sentence instead.
void TellUser(HWND owner, std::wstring_view sentence);

}  // namespace ui::win32
