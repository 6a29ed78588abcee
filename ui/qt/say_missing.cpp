// SPDX-License-Identifier: MIT
#include "ui/qt/say_missing.h"

#include <QDebug>
#include <QSet>

namespace ui {

void SayMissing(const QString& what) {
    static QSet<QString> said;
    if (!said.contains(what)) {
        said.insert(what);
        qWarning().noquote() << "veltrana-gain:" << what;
    }
}

void SayUndecodable(const QString& kind, const QString& file) {
    SayMissing(QStringLiteral("the %1 %2 cannot be decoded; install libqt6gui6, which brings "
                              "Qt's image plugins")
                   .arg(kind, file));
}

}  // namespace ui
