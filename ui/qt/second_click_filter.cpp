// SPDX-License-Identifier: MIT
#include "ui/qt/second_click_filter.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWindow>

namespace ui {

void SecondClickFilter::Install() {
    static bool installed = false;
    if (!installed) {
        qApp->installEventFilter(new SecondClickFilter(qApp));
        installed = true;
    }
}

bool SecondClickFilter::EndsClosingDoubleClick(const QMouseEvent& press) const {
    if (!m_lastPress || (m_lastPress->window != nullptr && m_lastPress->window->isVisible())) {
        return false;
    }
    const QStyleHints* hints = QGuiApplication::styleHints();
    const QPointF moved = press.globalPosition() - m_lastPress->global;
    const int distance = hints->mouseDoubleClickDistance();
    return press.button() == m_lastPress->button &&
           press.timestamp() - m_lastPress->time <
               static_cast<quint64>(hints->mouseDoubleClickInterval()) &&
           qAbs(moved.x()) <= distance && qAbs(moved.y()) <= distance;
}

// Qt hands each mouse event to the window first and the window passes it to its widget, so
// watching windows alone sees every click once.
bool SecondClickFilter::eventFilter(QObject* receiver, QEvent* event) {
    if (!receiver->isWindowType()) {
        return false;
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* press = static_cast<QMouseEvent*>(event);
            m_swallowing = EndsClosingDoubleClick(*press);
            if (m_swallowing) {
                m_lastPress.reset();
            } else {
                m_lastPress = Press{static_cast<QWindow*>(receiver), press->timestamp(),
                                    press->globalPosition(), press->button()};
            }
            return m_swallowing;
        }
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return m_swallowing;
        case QEvent::MouseButtonRelease: {
            const bool swallowed = m_swallowing;
            m_swallowing = false;
            return swallowed;
        }
        default:
            return false;
    }
}

}  // namespace ui
