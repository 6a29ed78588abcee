// SPDX-License-Identifier: MIT
#include "ui/qt/faces.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include "ui/qt/say_missing.h"

namespace ui {
namespace {

// The windows were designed in these faces. Where they are missing, the metric-compatible
// Liberation faces keep the text the size it was laid out for.
const QHash<QString, QStringList>& StandIns() {
    static const QHash<QString, QStringList> standIns{
        {QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif")}},
        {QStringLiteral("MS Sans Serif"),
         {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans")}},
    };
    return standIns;
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
    for (auto standIns = StandIns().begin(); standIns != StandIns().end(); ++standIns) {
        for (const QString& family : QStringList{standIns.key()} + standIns.value()) {
            if (cyrillic.contains(family, Qt::CaseInsensitive)) {
                Chosen().insert(standIns.key(), family);
                break;
            }
        }
    }
}

QString Face(std::string_view designFace) {
    const QString face =
        QString::fromUtf8(designFace.data(), static_cast<qsizetype>(designFace.size()));
    return Chosen().value(face, face);
}

}  // namespace ui
