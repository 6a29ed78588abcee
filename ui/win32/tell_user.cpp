// SPDX-License-Identifier: MIT
// Alone in its file, so that a test program's own TellUser takes its place at link time.
#include "ui/win32/tell_user.h"

#include <string>

namespace ui::win32 {

void TellUser(HWND owner, std::wstring_view sentence) {
    const std::wstring text(sentence);
    MessageBoxW(owner, text.c_str(), L"Gain for Veltrana", MB_OK | MB_ICONERROR);
}

}  // namespace ui::win32
