// SPDX-License-Identifier: MIT
#include "ui/qt/multi_line_field.h"

#include <QKeyEvent>
#include <QMimeData>
#include <algorithm>

#include "ui/design/design.h"

namespace ui {

qsizetype MultiLineField::Room() const {
    const QTextCursor cursor = textCursor();
    // A line break is one character here, as in the page's text area.
    const qsizetype length = document()->characterCount() - 1;
    return kFieldCharacters - (length - (cursor.selectionEnd() - cursor.selectionStart()));
}

void MultiLineField::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();  // for the window: its default button
        return;
    }
    if (enter || (!event->text().isEmpty() && event->text().front().isPrint())) {
        if (Room() >= (enter ? 1 : event->text().size())) {
            if (enter) {
                insertPlainText(QStringLiteral("\n"));
            } else {
                QPlainTextEdit::keyPressEvent(event);
            }
        }
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineField::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        selectAll();
    }
}

void MultiLineField::insertFromMimeData(const QMimeData* source) {
    insertPlainText(source->text().left(std::max<qsizetype>(Room(), 0)));
}

}  // namespace ui
