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

}  // namespace ui
