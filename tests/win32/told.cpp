// SPDX-License-Identifier: MIT
// Linked into each test program as an object of its own, so that this TellUser takes the place
// of the program's.
#include "tests/win32/told.h"

#include <utility>

#include "ui/win32/tell_user.h"

namespace {

std::vector<std::wstring> g_told;

}  // namespace

namespace ui::win32 {

void TellUser(HWND, std::wstring_view sentence) {
    g_told.emplace_back(sentence);
}

}  // namespace ui::win32

namespace win32_test {

std::vector<std::wstring> TakeTold() {
    return std::exchange(g_told, {});
}

}  // namespace win32_test
