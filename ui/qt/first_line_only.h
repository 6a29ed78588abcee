// SPDX-License-Identifier: MIT
#pragma once

#include <QValidator>

namespace ui {

// A single-line field keeps a pasted or dropped text up to its first line feed, and a carriage
// return right before it, as the Windows edit control does: a line feed in a line edit reads as
// a blank and would join "1" and "0" of two pasted lines into ten. A lone carriage return stays,
// as there; it ends the number. Nothing but an insertion brings a line feed, and the caret
// stands right after what was inserted, so the validator takes out what lies between the first
// break and the caret, and the text after the caret stays.
class FirstLineOnly : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int& caret) const override;
};

}  // namespace ui
