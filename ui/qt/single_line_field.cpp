// SPDX-License-Identifier: MIT
#include "ui/qt/single_line_field.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include "ui/design/design.h"
#include "ui/qt/first_line_only.h"

namespace ui {

SingleLineField::SingleLineField(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kFieldCharacters);
    setValidator(new FirstLineOnly(this));
}

// Qt's own paste for a single line. For the first of several, QLineEdit::insert, which the
// validator then leaves alone. Unlike Qt's paste it starts no undo step of its own when nothing
// is selected: Ctrl+Z takes back with it what was typed right before it at the same place.
void SingleLineField::Paste() {
    const QString text = QGuiApplication::clipboard()->text();
    const qsizetype end = FirstLineEnd(text);
    if (end < 0) {
        paste();
    } else {
        insert(text.left(end));
    }
}

void SingleLineField::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly() && event->matches(QKeySequence::Paste)) {
        Paste();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

namespace {

// Qt 6.4 gives the standard menu's actions no names. Paste is the one with QLineEdit's own
// caption for it, its shortcut after a tab.
QAction* PasteAction(const QMenu& menu) {
    const QString caption = QLineEdit::tr("&Paste");
    for (QAction* action : menu.actions()) {
        if (action->text().section(u'\t', 0, 0) == caption) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace

void SingleLineField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    if (QAction* paste = PasteAction(*menu)) {
        paste->disconnect(this);
        connect(paste, &QAction::triggered, this, &SingleLineField::Paste);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

}  // namespace ui
