// SPDX-License-Identifier: MIT
#pragma once

#include "design.h"

class QWidget;

namespace ui {

// Makes `window` what its design describes: frame, title, icon, size and place, and every
// control with its object name, look and place in the tab order. The focus goes to the
// control that comes first in that order.
void BuildWindow(QWidget& window, const WindowDesign& design);

}  // namespace ui
