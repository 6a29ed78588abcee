// SPDX-License-Identifier: MIT
// What the windows need from the system beyond Qt itself, fonts that draw Cyrillic and Qt's
// image plugins: each that is missing is said once on standard error, and the windows open
// all the same. Each test function runs in its own process (tests/start/CMakeLists.txt), with
// or without the fonts.
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/qt/find_control.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/info_windows.h"
#include "ui/qt/program.h"

namespace {

const QRegularExpression kOwnMessages(QStringLiteral("^veltrana-gain: "));

// With the main window open, opens and closes both information windows, twice over.
void OpenEveryWindow(ui::Program& program) {
    QVERIFY(QTest::qWaitForWindowExposed(&program.form1()));
    for (int round = 0; round < 2; ++round) {
        for (ui::InfoWindowSlot* slot : {&program.frmAbout(), &program.frmAbout1()}) {
            slot->Open();
            QVERIFY(slot->window() != nullptr);
            QVERIFY(QTest::qWaitForWindowExposed(slot->window()));
            slot->window()->close();
        }
    }
}

class MissingPiecesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(kOwnMessages); }

    // Run on a system as it should be: nothing is said.
    void completeSystemSaysNothing() {
        ui::SetUpApplication();
        ui::Program program;
        OpenEveryWindow(program);
        QCOMPARE(program.form1().windowIcon().availableSizes(),
                 (QList<QSize>{{48, 48}, {32, 32}, {16, 16}}));
    }

    // Run with FONTCONFIG_FILE naming a configuration without fonts.
    void missingFontsAreSaidOnce() {
        QTest::ignoreMessage(QtWarningMsg,
                             "veltrana-gain: no installed font can draw Cyrillic letters, so "
                             "every text shows as boxes; install fonts-liberation");
        ui::SetUpApplication();
        ui::Program program;
        OpenEveryWindow(program);
    }

    // Run on a system without Qt's image plugins: the JPEG diagram and both icons are lost,
    // the bitmap portrait, which Qt reads itself, is not.
    void undecodablePicturesAreSaidOnce() {
        QTemporaryDir noPlugins;
        QCoreApplication::setLibraryPaths({noPlugins.path()});
        for (const char* line : {"veltrana-gain: the icon program.ico cannot be decoded; "
                                 "install libqt6gui6, which brings Qt's image plugins",
                                 "veltrana-gain: the picture diagram.jpg cannot be decoded; "
                                 "install libqt6gui6, which brings Qt's image plugins",
                                 "veltrana-gain: the icon emblem.ico cannot be decoded; "
                                 "install libqt6gui6, which brings Qt's image plugins"}) {
            QTest::ignoreMessage(QtWarningMsg, line);
        }
        ui::SetUpApplication();
        ui::Program program;
        OpenEveryWindow(program);

        program.frmAbout().Open();
        QVERIFY(test::Find<QLabel>(program.frmAbout().window(), "Picture1")->pixmap().isNull());
        QVERIFY(test::Find<QPushButton>(program.frmAbout().window(), "cmdOK")->isVisible());
        program.frmAbout1().Open();
        QCOMPARE(test::Find<QLabel>(program.frmAbout1().window(), "OLE1")->pixmap().isNull(),
                 false);
    }
};

}  // namespace

QTEST_MAIN(MissingPiecesTest)
#include "missing_pieces_test.moc"
