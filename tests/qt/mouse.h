// SPDX-License-Identifier: MIT
// A mouse for the widget tests that clicks as fast as a user does.
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <QtTest>

namespace test {

// Mouse events as the windowing system delivers them, each with its own time stamp, so that
// Qt's double-click detection sees the real timing; QTest's clicks space themselves out to
// avoid double-clicks.
class Mouse {
public:
    void Press(QWidget* widget, QPoint at, int afterMs) { Send(widget, at, true, afterMs); }
    void Release(QWidget* widget, QPoint at, int afterMs) { Send(widget, at, false, afterMs); }

private:
    void Send(QWidget* widget, QPoint at, bool press, int afterMs) {
        m_time += afterMs;
        QWidget* window = widget->window();
        qt_handleMouseEvent(window->windowHandle(), widget->mapTo(window, at),
                            widget->mapToGlobal(at), press ? Qt::LeftButton : Qt::NoButton,
                            Qt::LeftButton,
                            press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                            Qt::NoModifier, static_cast<int>(m_time));
        QCoreApplication::processEvents();
    }

    // Far beyond QTest's own clock, which runs in the same Qt.
    quint64 m_time = 100'000'000;
};

}  // namespace test
