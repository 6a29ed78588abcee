// SPDX-License-Identifier: MIT
#include "look.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace ui {

void ApplyLook() {
    // Native styles on some platforms paint buttons in their own colours; Fusion paints the
    // face in the palette's button colour everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The windows were designed in these faces. Where they are missing, the metric-compatible
    // Liberation faces keep the text the size it was laid out for.
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans")});
}

}  // namespace ui
