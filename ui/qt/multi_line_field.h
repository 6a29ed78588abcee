// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

namespace ui {

// The multi-line field as a native one in a dialog behaves: it holds as many characters as a
// single-line field (QPlainTextEdit has no limit of its own), Enter presses the window's default
// button and Ctrl+Enter starts a new line, and Tab and Shift+Tab select the whole text on
// arrival, so that typing replaces it.
class MultiLineField : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // How many characters may still come in, in place of the selection.
    [[nodiscard]] qsizetype Room() const;
};

}  // namespace ui
