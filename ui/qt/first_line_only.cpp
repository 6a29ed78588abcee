// SPDX-License-Identifier: MIT
#include "ui/qt/first_line_only.h"

#include <QRegularExpression>

namespace ui {

QValidator::State FirstLineOnly::validate(QString& text, int& caret) const {
    const qsizetype lineBreak = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (lineBreak >= 0 && lineBreak < caret) {
        text.remove(lineBreak, caret - lineBreak);
        caret = static_cast<int>(lineBreak);
    }
    return Acceptable;
}

}  // namespace ui
