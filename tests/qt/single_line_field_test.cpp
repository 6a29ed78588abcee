// SPDX-License-Identifier: MIT
// Every way of pasting a single-line field offers puts in the first of several lines as one
// undoable step: Ctrl+Z brings back what the paste replaced. (The shared behaviour table drives
// Ctrl+V alone.)
#include <QClipboard>
#include <QMenu>
#include <QtTest>

#include "ui/qt/single_line_field.h"

namespace {

class SingleLineFieldTest : public QObject {
    Q_OBJECT

private slots:
    void pasteIsUndone_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Ctrl+V") << QStringLiteral("Ctrl+V");
        QTest::newRow("Shift+Insert") << QStringLiteral("Shift+Insert");
        QTest::newRow("context menu") << QStringLiteral("menu");
    }
    void pasteIsUndone() {
        QFETCH(QString, how);
        ui::SingleLineField field(nullptr);
        field.show();
        QVERIFY(QTest::qWaitForWindowActive(&field));
        field.setText(QStringLiteral("10"));
        field.selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("1\r\n2"));

        if (how == QLatin1String("Ctrl+V")) {
            QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
        } else if (how == QLatin1String("Shift+Insert")) {
            QTest::keyClick(&field, Qt::Key_Insert, Qt::ShiftModifier);
        } else {
            const QPoint centre = field.rect().center();
            QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, field.mapToGlobal(centre));
            QCoreApplication::sendEvent(&field, &event);
            auto* menu = field.findChild<QMenu*>();
            QVERIFY(menu != nullptr);
            QTest::keyClick(menu, Qt::Key_P);  // &Paste
        }
        QCOMPARE(field.text(), QStringLiteral("1"));

        QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field.text(), QStringLiteral("10"));
    }
};

}  // namespace

QTEST_MAIN(SingleLineFieldTest)
#include "single_line_field_test.moc"
