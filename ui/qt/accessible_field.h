// SPDX-License-Identifier: MIT
// What assistive tools see of a text field: its text, caret, selection and the pieces of text
// they read by.
//
// Qt 6.4.2's line edit gets two things wrong, and a screen reader user hears both:
// QAccessibleLineEdit reports text-attribute runs of zero length, so Orca drops the last
// character of a value it speaks ("120" for 1200); and the textAtOffset it inherits from
// QAccessibleTextInterface never returns for a word at the end of the text, which hangs the
// program on Ctrl+Left. Qt's own interfaces cannot be mended from outside: QAccessibleLineEdit
// and QAccessibleTextWidget are private and not exported from QtWidgets (hidden symbols), so
// nothing can derive from them. These are whole interfaces of ours over the fields' public API
// instead, installed by a factory, answering every offset in bounded time. The multi-line
// field gets one too, though Qt's answers for it in 6.4.2: then both kinds of field cut their
// text into the same pieces by the same bounded code. Check again before relying on Qt's own
// interfaces in a later version.
#pragma once

#include <QAccessibleWidget>
#include <vector>

#include "ui/qt/text_segments.h"

class QLineEdit;
class QPlainTextEdit;

namespace ui {

class AccessibleField : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
public:
    AccessibleField(QWidget* field, bool multiLine);

    // QAccessibleInterface
    void* interface_cast(QAccessible::InterfaceType type) override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QString text(QAccessible::Text kind) const override;
    // A field is one object: its viewport and scroll bars are parts of how it is drawn.
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override {
        return -1;
    }
    [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override {
        return nullptr;
    }

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int position) override;
    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

protected:
    [[nodiscard]] virtual QString Content() const = 0;
    [[nodiscard]] virtual bool ReadOnly() const = 0;
    [[nodiscard]] virtual TextSegment Selected() const = 0;  // empty: nothing selected
    virtual void Select(int start, int end) = 0;             // start == end: the caret there
    [[nodiscard]] virtual int Caret() const = 0;
    virtual void Replace(int start, int end, const QString& text) = 0;
    [[nodiscard]] virtual std::vector<int> LineStarts() const = 0;

private:
    template <typename Pick>
    QString Piece(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                  int* endOffset, Pick pick) const;

    bool m_multiLine;
};

class AccessibleLineEdit : public AccessibleField {
public:
    explicit AccessibleLineEdit(QLineEdit* field);

    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override;

protected:
    [[nodiscard]] QString Content() const override;
    [[nodiscard]] bool ReadOnly() const override;
    [[nodiscard]] TextSegment Selected() const override;
    void Select(int start, int end) override;
    [[nodiscard]] int Caret() const override;
    void Replace(int start, int end, const QString& text) override;
    [[nodiscard]] std::vector<int> LineStarts() const override { return {0}; }

private:
    [[nodiscard]] QLineEdit* Field() const;
};

class AccessiblePlainTextEdit : public AccessibleField {
public:
    explicit AccessiblePlainTextEdit(QPlainTextEdit* field);

    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override;

protected:
    [[nodiscard]] QString Content() const override;
    [[nodiscard]] bool ReadOnly() const override;
    [[nodiscard]] TextSegment Selected() const override;
    void Select(int start, int end) override;
    [[nodiscard]] int Caret() const override;
    void Replace(int start, int end, const QString& text) override;
    [[nodiscard]] std::vector<int> LineStarts() const override;

private:
    [[nodiscard]] QPlainTextEdit* Field() const;
};

}  // namespace ui
