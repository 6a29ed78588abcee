// SPDX-License-Identifier: MIT
// Looking controls up by their design names from a test.
#pragma once

#include <QAnyStringView>
#include <QWidget>

namespace test {

// The control of that name and kind in `window`. A missing one stops the test there, naming
// the window and the control, in every build type (Q_ASSERT would vanish from a Release build
// and leave a null pointer to crash on).
template <typename Control>
Control* Find(const QWidget* window, QAnyStringView name) {
    const QString wanted = name.toString();
    auto* control = window->findChild<Control*>(wanted);
    if (control == nullptr) {
        qFatal("%s has no %s named %s", qPrintable(window->objectName()),
               Control::staticMetaObject.className(), qPrintable(wanted));
    }
    return control;
}

}  // namespace test
