// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <map>
#include <string_view>

#include "ui/design/design.h"

namespace ui {

// The controls a window was built with, by their design names.
class BuiltControls {
public:
    // The control of that name and kind. A name the design does not hold, or a control of
    // another kind, is a broken build of the program: it stops here, naming the control.
    template <typename Control>
    [[nodiscard]] Control* Get(std::string_view name) const {
        auto* control = qobject_cast<Control*>(Find(name));
        if (control == nullptr) {
            Missing(name, Control::staticMetaObject.className());
        }
        return control;
    }

    void Add(std::string_view name, QWidget* control) { m_controls[name] = control; }

private:
    [[nodiscard]] QWidget* Find(std::string_view name) const;
    [[noreturn]] static void Missing(std::string_view name, const char* kind);

    std::map<std::string_view, QWidget*, std::less<>> m_controls;
};

// Makes `window` what its design describes: frame, title, icon, size and place, and every
// control with its object name, look and place in the tab order. The focus goes to the
// control that comes first in that order. Hands back what it made.
BuiltControls BuildWindow(QWidget& window, const WindowDesign& design);

}  // namespace ui
