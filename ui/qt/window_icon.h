// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

class QWidget;

namespace ui {

// The images of an .ico that a window manager draws for `window`: the 32-bit 16, 32 and
// 48-pixel ones, and the largest as well on a screen scaled above 1.5, where a 32-pixel icon
// needs more than 48 pixels. An icon without 32-bit images gives all of its own.
QIcon WindowIcon(const QString& icoPath, const QWidget& window);

}  // namespace ui
