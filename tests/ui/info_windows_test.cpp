// SPDX-License-Identifier: MIT
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/qt/application_setup.h"
#include "ui/qt/form1.h"
#include "ui/qt/info_windows.h"

namespace {

using ui::InfoWindow;
using ui::InfoWindowSlot;

// The information windows that are on the screen, by name.
int OpenWindows(const QString& name) {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        count += window->objectName() == name && window->isVisible() ? 1 : 0;
    }
    return count;
}

QPushButton* Button(QWidget* window, const char* name) {
    auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
    Q_ASSERT(button != nullptr);
    return button;
}

class InfoWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::Form1> m_form;

    InfoWindow* openAndWait(InfoWindowSlot& slot) {
        slot.Open();
        InfoWindow* window = slot.window();
        if (window == nullptr || !QTest::qWaitForWindowActive(window)) {
            qFatal("information window did not open");
        }
        return window;
    }

private slots:
    void initTestCase() { ui::SetUpApplication(); }

    void init() {
        m_form = std::make_unique<ui::Form1>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    void cleanup() {
        for (InfoWindowSlot* slot : {&ui::frmAbout(), &ui::frmAbout1()}) {
            if (slot->window() != nullptr) {
                slot->window()->close();
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_form.reset();
    }

    void buttonsOpenOneWindowEach_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("author");
        QTest::addColumn<QString>("title");
        QTest::newRow("О программе") << "Command2" << false << "О программе v.2.0";
        QTest::newRow("Автор") << "Command3" << true << "Автор программы";
    }
    void buttonsOpenOneWindowEach() {
        QFETCH(QString, button);
        QFETCH(bool, author);
        QFETCH(QString, title);
        InfoWindowSlot& slot = author ? ui::frmAbout1() : ui::frmAbout();
        // State: main window only. Action: press the button twice. Expected: one window.
        auto* command = Button(m_form.get(), button.toLatin1().constData());
        QTest::mouseClick(command, Qt::LeftButton);
        InfoWindow* opened = slot.window();
        QVERIFY(opened != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(opened));
        QTest::mouseClick(command, Qt::LeftButton);
        QCOMPARE(slot.window(), opened);
        QCOMPARE(OpenWindows(opened->objectName()), 1);
        QCOMPARE(opened->windowTitle(), title);
        QVERIFY(opened->parentWidget() == nullptr);
        QVERIFY(!opened->isModal());
        QVERIFY(m_form->isEnabled());
        QCOMPARE(opened->focusWidget(), Button(opened, "cmdOK"));
    }

    void everyWayOfClosingDestroysTheWindow_data() {
        QTest::addColumn<bool>("author");
        QTest::addColumn<QString>("how");
        for (const bool author : {false, true}) {
            for (const char* how : {"click", "Enter", "Return", "Escape", "close box"}) {
                QTest::addRow("%s, %s", author ? "frmAbout1" : "frmAbout", how) << author << how;
            }
        }
    }
    void everyWayOfClosingDestroysTheWindow() {
        QFETCH(bool, author);
        QFETCH(QString, how);
        InfoWindowSlot& slot = author ? ui::frmAbout1() : ui::frmAbout();
        QPointer<InfoWindow> window = openAndWait(slot);
        QPointer<QPushButton> ok = Button(window, "cmdOK");

        if (how == "click") {
            QTest::mouseClick(ok, Qt::LeftButton);
        } else if (how == "Enter") {
            QTest::keyClick(window, Qt::Key_Enter);
        } else if (how == "Return") {
            QTest::keyClick(window, Qt::Key_Return);
        } else if (how == "Escape") {
            QTest::keyClick(window, Qt::Key_Escape);
        } else {
            QVERIFY(window->close());
        }
        QVERIFY(slot.window() == nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        QVERIFY(ok.isNull());
        // A second press on the same button finds nothing left to act on; the main window
        // carries on.
        QVERIFY(m_form->isVisible());
    }

    void reopeningBuildsTheWindowAfresh() {
        QPlainTextEdit* text = openAndWait(ui::frmAbout())->findChild<QPlainTextEdit*>("Text1");
        const QString stored = text->toPlainText();
        QCOMPARE(stored,
                 QStringLiteral(
                     "Программа для ТЕОРЕТИЧЕСКОГО расчета коэфициента усиления \n"
                     "входного ОУ для металлоискателя Veltrana. \n"
                     "Для изменения КУ достаточно подобрать номинал резистора R6.\n"
                     "Реальный КУ возможно измерить лишь с помощью осцилографа!!! \n"
                     "Программа показывает лишь зависимость КУ от номиналов обвязки ОУ!!! \n"));
        text->setFocus();
        QTest::keyClicks(text, "edited by the user");
        QVERIFY(text->toPlainText() != stored);
        QTest::keyClick(ui::frmAbout().window(), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        InfoWindow* again = openAndWait(ui::frmAbout());
        QCOMPARE(again->findChild<QPlainTextEdit*>("Text1")->toPlainText(), stored);
    }

    void mainWindowWorksWhileBothAreOpen() {
        QTest::mouseClick(Button(m_form.get(), "Command2"), Qt::LeftButton);
        QTest::mouseClick(Button(m_form.get(), "Command3"), Qt::LeftButton);
        QCOMPARE(OpenWindows("frmAbout"), 1);
        QCOMPARE(OpenWindows("frmAbout1"), 1);
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        QTest::mouseClick(Button(m_form.get(), "Command1"), Qt::LeftButton);
        QCOMPARE(m_form->findChild<QLineEdit*>("Text8(0)")->text(), QStringLiteral("53,1"));
    }

    void secondRequestRaisesTheOpenWindow() {
        InfoWindow* about = openAndWait(ui::frmAbout());
        openAndWait(ui::frmAbout1());
        QCOMPARE(ui::frmAbout().window(), about);
        ui::frmAbout().Open();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(ui::frmAbout().window(), about);
    }

    void programEndsWithItsLastWindow() {
        // State: the main window and "О программе" open. Action: close the main window, then
        // the information window. Expected: the program runs on until the second close.
        InfoWindow* about = openAndWait(ui::frmAbout());
        QTimer::singleShot(0, m_form.get(), &QWidget::close);
        QTimer::singleShot(0, [about] {
            QVERIFY(!QCoreApplication::closingDown());
            QCOMPARE(OpenWindows("frmAbout"), 1);
            QTimer::singleShot(0, about, [about] { QTest::keyClick(about, Qt::Key_Escape); });
        });
        QTimer guard;
        guard.callOnTimeout([] { QCoreApplication::exit(99); });
        guard.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!m_form->isVisible());
    }
};

}  // namespace

QTEST_MAIN(InfoWindowsTest)
#include "info_windows_test.moc"
