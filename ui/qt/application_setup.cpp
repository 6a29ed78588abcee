// SPDX-License-Identifier: MIT
#include "ui/qt/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include "ui/qt/accessibility.h"
#include "ui/qt/faces.h"

namespace ui {

void SetUpApplication() {
    // Native styles on some platforms paint buttons in their own colours; Fusion paints the
    // face in the palette's button colour everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ChooseFaces();
    // The program speaks Russian whatever the user's locale, so Qt's own words (Копировать,
    // Вставить in a field's menu) should too. Without Qt's translations installed they stay
    // English, which is no reason to fail.
    auto* qtTexts = new QTranslator(qApp);
    if (qtTexts->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTexts);
    } else {
        delete qtTexts;
    }
    InstallAccessibility();
}

}  // namespace ui
