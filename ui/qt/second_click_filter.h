// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <optional>

class QMouseEvent;
class QWindow;

namespace ui {

// Qt tells a double-click by time, button and distance alone, not by window. When the first
// click of a double-click closes a window ("Понял"), the second lands on whatever lay beneath
// and arrives there as a double-click: a field of the main window selects its whole text, and
// the next key replaces the value. Installed on the application, this filter watches the
// presses that reach the program's windows; a press within the double-click time and distance
// of one whose window has closed since is the rest of that gesture, and it goes nowhere, with
// its double-click, its drag and its release.
class SecondClickFilter : public QObject {
public:
    // Installs the one filter on the application; later calls do nothing.
    static void Install();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    using QObject::QObject;

    struct Press {
        QPointer<QWindow> window;
        quint64 time;
        QPointF global;
        Qt::MouseButton button;
    };

    // Whether `press` ends a double-click whose first click closed its window.
    [[nodiscard]] bool EndsClosingDoubleClick(const QMouseEvent& press) const;

    std::optional<Press> m_lastPress;
    bool m_swallowing = false;
};

}  // namespace ui
