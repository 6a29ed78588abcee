// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

namespace ui {

// The single-line field, whose paste of several lines puts in the first (FirstLineEnd) as an
// ordinary insertion, so that Ctrl+Z takes it out again and brings back what it replaced.
// Ctrl+V, Shift+Insert and the context menu's Paste come here; a drop or a middle-click paste of
// the selection goes in whole and is cut by the field's validator, at the cost of the undo
// history, as Qt offers no way into those short of rewriting them.
class SingleLineField : public QLineEdit {
public:
    explicit SingleLineField(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Paste();
};

}  // namespace ui
