// SPDX-License-Identifier: MIT
#include "ui/qt/first_line_only.h"

namespace ui {

qsizetype FirstLineEnd(QStringView text) {
    qsizetype lineBreak = text.indexOf(u'\n');
    if (lineBreak > 0 && text[lineBreak - 1] == u'\r') {
        --lineBreak;
    }
    return lineBreak;
}

QValidator::State FirstLineOnly::validate(QString& text, int& caret) const {
    const qsizetype lineBreak = FirstLineEnd(text);
    if (lineBreak >= 0 && lineBreak < caret) {
        text.remove(lineBreak, caret - lineBreak);
        caret = static_cast<int>(lineBreak);
    }
    return Acceptable;
}

}  // namespace ui
