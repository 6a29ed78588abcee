// SPDX-License-Identifier: MIT
// The test programs' stand-in for the program's message boxes, which would wait for a click
// that never comes: what the program tells the user is recorded instead.
#pragma once

#include <string>
#include <vector>

namespace win32_test {

// The sentences told since the last call, in order, and forgets them.
std::vector<std::wstring> TakeTold();

}  // namespace win32_test
