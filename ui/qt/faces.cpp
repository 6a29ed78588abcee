// SPDX-License-Identifier: MIT
#include "ui/qt/faces.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include "ui/design/faces.h"
#include "ui/qt/say_missing.h"

namespace ui {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The face itself first, then its stand-ins in the table's order.
QStringList Candidates(const FaceStandIns& face) {
    QStringList candidates{FromUtf8(face.design)};
    for (const QString& standIn : FromUtf8(face.qtStandIns).split(QLatin1Char(','))) {
        candidates.append(standIn.trimmed());
    }
    return candidates;
}

QHash<QString, QString>& Chosen() {
    static QHash<QString, QString> chosen;
    return chosen;
}

}  // namespace

// The choice is made here rather than left to QFont's substitutions: asked for a family that is
// not installed, Qt first searches all of fontconfig's fallbacks for it, once for every script
// of every text, and only then tries a substitute; at start-up that search cost more than the
// rest of the window's fonts together.
void ChooseFaces() {
    const QStringList cyrillic = QFontDatabase::families(QFontDatabase::Cyrillic);
    if (cyrillic.isEmpty()) {
        SayMissing(
            QStringLiteral("no installed font can draw Cyrillic letters, so every text "
                           "shows as boxes; install fonts-liberation"));
        return;
    }
    for (const FaceStandIns& face : Faces()) {
        for (const QString& family : Candidates(face)) {
            if (cyrillic.contains(family, Qt::CaseInsensitive)) {
                Chosen().insert(FromUtf8(face.design), family);
                break;
            }
        }
    }
}

QString Face(std::string_view designFace) {
    const QString face = FromUtf8(designFace);
    return Chosen().value(face, face);
}

}  // namespace ui
