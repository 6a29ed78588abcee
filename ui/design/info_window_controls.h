// SPDX-License-Identifier: MIT
// The one control of frmAbout and frmAbout1 that a handler uses: the button that closes them.
#pragma once

#include <string_view>

namespace ui::info_window {

inline constexpr std::string_view cmdOK = "cmdOK";

}  // namespace ui::info_window
