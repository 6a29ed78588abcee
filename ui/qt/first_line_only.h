// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <QValidator>

namespace ui {

// A single-line field keeps a pasted or dropped text up to its first line feed, and a carriage
// return right before it, as the Windows edit control does: a line feed in a line edit reads as
// a blank and would join "1" and "0" of two pasted lines into ten. A lone carriage return stays,
// as there; it ends the number.

// Where the first line of `text` ends: at its first line feed, or at the carriage return right
// before it; -1 when it has no line feed.
qsizetype FirstLineEnd(QStringView text);

// For what reaches the field without passing through its paste (a drop, a middle-click paste of
// the selection). Nothing but an insertion brings a line feed, and the caret stands right after
// what was inserted, so the validator takes out what lies between the first break and the caret,
// and the text after the caret stays. A validator's change replaces the whole text, and with it
// the field's undo history: the field's own paste cuts the text before it goes in instead.
class FirstLineOnly : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int& caret) const override;
};

}  // namespace ui
