// SPDX-License-Identifier: MIT
#include "ui/qt/accessible_field.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <algorithm>

namespace ui {
namespace {

QString Rgb(const QColor& colour) {
    return QStringLiteral("%1,%2,%3").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

}  // namespace

AccessibleField::AccessibleField(QWidget* field, bool multiLine)
    : QAccessibleWidget(field, QAccessible::EditableText), m_multiLine(multiLine) {}

void* AccessibleField::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleField::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !ReadOnly();
    state.readOnly = ReadOnly();
    state.multiLine = m_multiLine;
    state.selectableText = true;
    return state;
}

QString AccessibleField::text(QAccessible::Text kind) const {
    return kind == QAccessible::Value ? Content() : QAccessibleWidget::text(kind);
}

void AccessibleField::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    const TextSegment selected = Selected();
    const bool there = selectionIndex == 0 && selected.start != selected.end;
    *startOffset = there ? selected.start : 0;
    *endOffset = there ? selected.end : 0;
}

int AccessibleField::selectionCount() const {
    const TextSegment selected = Selected();
    return selected.start != selected.end ? 1 : 0;
}

// A field has one selection: a new one replaces it.
void AccessibleField::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void AccessibleField::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        Select(Caret(), Caret());
    }
}

void AccessibleField::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0) {
        return;
    }
    const int length = characterCount();
    Select(std::clamp(startOffset, 0, length), std::clamp(endOffset, 0, length));
}

int AccessibleField::cursorPosition() const {
    return Caret();
}

void AccessibleField::setCursorPosition(int position) {
    const int at = std::clamp(position, 0, characterCount());
    Select(at, at);
}

QString AccessibleField::text(int startOffset, int endOffset) const {
    const QString content = Content();
    const auto length = static_cast<int>(content.size());
    // -1 for the end is how AT-SPI asks for "to the end of the text".
    const int end = endOffset < 0 ? length : std::clamp(endOffset, 0, length);
    const int start = std::clamp(startOffset, 0, end);
    return content.mid(start, end - start);
}

template <typename Pick>
QString AccessibleField::Piece(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                               int* endOffset, Pick pick) const {
    const QString content = Content();
    const std::vector<int> lines =
        boundary == QAccessible::LineBoundary ? LineStarts() : std::vector<int>{0};
    const TextSegment piece = pick(TextSegments(content, boundary, lines), offset);
    *startOffset = piece.start;
    *endOffset = piece.end;
    return content.mid(piece.start, piece.end - piece.start);
}

QString AccessibleField::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                          int* startOffset, int* endOffset) const {
    return Piece(offset, boundary, startOffset, endOffset,
                 [](const TextSegments& segments, int at) { return segments.Before(at); });
}

QString AccessibleField::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                         int* startOffset, int* endOffset) const {
    return Piece(offset, boundary, startOffset, endOffset,
                 [](const TextSegments& segments, int at) { return segments.After(at); });
}

QString AccessibleField::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                      int* startOffset, int* endOffset) const {
    return Piece(offset, boundary, startOffset, endOffset,
                 [](const TextSegments& segments, int at) { return segments.At(at); });
}

int AccessibleField::characterCount() const {
    return static_cast<int>(Content().size());
}

// Brings the text into view the way a user would: the caret goes to the end, then back to the
// start, and the field scrolls to keep it visible.
void AccessibleField::scrollToSubstring(int startIndex, int endIndex) {
    setCursorPosition(endIndex);
    setCursorPosition(startIndex);
}

// The whole text is in the field's one font and colours: one run covers it, so a screen
// reader that builds what it says from the runs gets every character.
QString AccessibleField::attributes(int offset, int* startOffset, int* endOffset) const {
    const int length = characterCount();
    if (offset < 0 || offset > length) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = length;
    const QWidget* field = widget();
    const QFont font = field->font();
    return QStringLiteral("family-name:%1;size:%2;weight:%3;fg-color:%4;bg-color:%5;")
        .arg(font.family())
        .arg(font.pointSizeF())
        .arg(font.bold() ? 700 : 400)
        .arg(Rgb(field->palette().color(QPalette::Text)))
        .arg(Rgb(field->palette().color(QPalette::Base)));
}

void AccessibleField::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, {});
}

void AccessibleField::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void AccessibleField::replaceText(int startOffset, int endOffset, const QString& text) {
    if (ReadOnly()) {
        return;
    }
    const int length = characterCount();
    const int end = std::clamp(endOffset, 0, length);
    Replace(std::clamp(startOffset, 0, end), end, text);
}

// --- the single-line field ------------------------------------------------------------------

AccessibleLineEdit::AccessibleLineEdit(QLineEdit* field) : AccessibleField(field, false) {}

QLineEdit* AccessibleLineEdit::Field() const {
    return static_cast<QLineEdit*>(widget());
}

QString AccessibleLineEdit::Content() const {
    return Field()->text();
}

bool AccessibleLineEdit::ReadOnly() const {
    return Field()->isReadOnly();
}

TextSegment AccessibleLineEdit::Selected() const {
    const QLineEdit* field = Field();
    if (!field->hasSelectedText()) {
        return {field->cursorPosition(), field->cursorPosition()};
    }
    return {field->selectionStart(), field->selectionStart() + field->selectionLength()};
}

void AccessibleLineEdit::Select(int start, int end) {
    if (start == end) {
        Field()->setCursorPosition(start);
    } else {
        Field()->setSelection(start, end - start);
    }
}

int AccessibleLineEdit::Caret() const {
    return Field()->cursorPosition();
}

void AccessibleLineEdit::Replace(int start, int end, const QString& text) {
    Select(start, end);
    Field()->insert(text);  // replaces the selection, as typing would
}

// QLineEdit tells where its caret is drawn, not where any character is; the characters stand
// from there, each as wide as the font makes it, whichever way the text is scrolled.
QRect AccessibleLineEdit::characterRect(int offset) const {
    const QLineEdit* field = Field();
    const QString content = field->text();
    if (offset < 0 || offset >= content.size()) {
        return {};
    }
    const QFontMetrics metrics(field->font());
    const QRect caret = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int caretAt = field->cursorPosition();
    const int left = caret.x() + metrics.horizontalAdvance(content.left(offset)) -
                     metrics.horizontalAdvance(content.left(caretAt));
    const QRect local(left, caret.y(), metrics.horizontalAdvance(content.at(offset)),
                      caret.height());
    return {field->mapToGlobal(local.topLeft()), local.size()};
}

int AccessibleLineEdit::offsetAtPoint(const QPoint& point) const {
    const QPoint local = Field()->mapFromGlobal(point);
    return Field()->rect().contains(local) ? Field()->cursorPositionAt(local) : -1;
}

// --- the multi-line field -------------------------------------------------------------------

AccessiblePlainTextEdit::AccessiblePlainTextEdit(QPlainTextEdit* field)
    : AccessibleField(field, true) {}

QPlainTextEdit* AccessiblePlainTextEdit::Field() const {
    return static_cast<QPlainTextEdit*>(widget());
}

QString AccessiblePlainTextEdit::Content() const {
    return Field()->toPlainText();
}

bool AccessiblePlainTextEdit::ReadOnly() const {
    return Field()->isReadOnly();
}

TextSegment AccessiblePlainTextEdit::Selected() const {
    const QTextCursor cursor = Field()->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd()};
}

void AccessiblePlainTextEdit::Select(int start, int end) {
    QTextCursor cursor(Field()->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    Field()->setTextCursor(cursor);
}

int AccessiblePlainTextEdit::Caret() const {
    return Field()->textCursor().position();
}

void AccessiblePlainTextEdit::Replace(int start, int end, const QString& text) {
    QTextCursor cursor(Field()->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

// Lines as laid out in the box, so a screen reader reads what the eye sees on each line.
std::vector<int> AccessiblePlainTextEdit::LineStarts() const {
    std::vector<int> starts;
    for (QTextBlock block = Field()->document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (layout == nullptr || layout->lineCount() == 0) {
            starts.push_back(block.position());
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            starts.push_back(block.position() + layout->lineAt(i).textStart());
        }
    }
    return starts;
}

QRect AccessiblePlainTextEdit::characterRect(int offset) const {
    const QPlainTextEdit* field = Field();
    if (offset < 0 || offset >= characterCount()) {
        return {};
    }
    QTextCursor cursor(field->document());
    cursor.setPosition(offset);
    const QRect caret = field->cursorRect(cursor);
    const QFontMetrics metrics(field->font());
    const QRect local(caret.x(), caret.y(),
                      metrics.horizontalAdvance(field->document()->characterAt(offset)),
                      caret.height());
    return {field->viewport()->mapToGlobal(local.topLeft()), local.size()};
}

int AccessiblePlainTextEdit::offsetAtPoint(const QPoint& point) const {
    const QPoint local = Field()->viewport()->mapFromGlobal(point);
    if (!Field()->viewport()->rect().contains(local)) {
        return -1;
    }
    return Field()->cursorForPosition(local).position();
}

}  // namespace ui
