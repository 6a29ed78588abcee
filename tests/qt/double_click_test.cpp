// SPDX-License-Identifier: MIT
// A double-click on the button that closes an information window is one action: its second
// click changes nothing in the main window beneath.
#include <QLineEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QtTest>

#include "tests/qt/find_control.h"
#include "tests/qt/mouse.h"
#include "tests/qt/program_under_test.h"
#include "ui/design/form1_controls.h"
#include "ui/design/info_window_controls.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/form1.h"
#include "ui/qt/info_windows.h"
#include "ui/qt/program.h"

namespace {

class DoubleClickTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::Program> m_program;
    ui::Form1* m_form = nullptr;
    QLineEdit* m_R5 = nullptr;
    test::Mouse m_mouse;

    // Moves the main window so that the R5 field lies under `widget`, as it may on a desktop.
    QPoint PutR5Under(QWidget* widget) {
        const QPoint target = widget->mapToGlobal(widget->rect().center());
        m_form->move(m_form->pos() + target - m_R5->mapToGlobal(m_R5->rect().center()));
        QCoreApplication::processEvents();
        return m_R5->rect().center();
    }

private slots:
    void initTestCase() { ui::SetUpApplication(); }

    void init() {
        m_program = test::StartProgram();
        m_form = &m_program->form1();
        m_R5 = test::Find<QLineEdit>(m_form, ui::form1::Text2_0);
    }

    void cleanup() { m_program.reset(); }

    void secondClickAfterClosingChangesNothing_data() {
        QTest::addColumn<bool>("author");
        QTest::newRow("Понял") << false;
        QTest::newRow("Знаю такого)") << true;
    }
    void secondClickAfterClosingChangesNothing() {
        QFETCH(bool, author);
        ui::InfoWindowSlot& slot = author ? m_program->frmAbout1() : m_program->frmAbout();
        slot.Open();
        QVERIFY(QTest::qWaitForWindowActive(slot.window()));
        auto* ok = test::Find<QPushButton>(slot.window(), ui::info_window::cmdOK);
        const QPoint onOk = ok->rect().center();
        const QPoint onR5 = PutR5Under(ok);
        QWidget* focused = m_form->focusWidget();

        // State: the R5 field lies beneath the button. Action: double-click the button.
        m_mouse.Press(ok, onOk, 10);
        m_mouse.Release(ok, onOk, 60);
        QVERIFY(slot.window() == nullptr);
        m_mouse.Press(m_R5, onR5, 80);
        m_mouse.Release(m_R5, onR5, 60);

        // Expected: nothing selected or moved in the main window; a key goes where it went.
        QCOMPARE(m_R5->selectedText(), QString());
        QCOMPARE(m_form->focusWidget(), focused);
        QTest::keyClick(m_form, Qt::Key_5);
        QCOMPARE(m_R5->text(), QStringLiteral("100"));

        // A click of its own, after the double-click time, reaches the field as ever.
        const int later = QGuiApplication::styleHints()->mouseDoubleClickInterval() + 1;
        m_mouse.Press(m_R5, onR5, later);
        m_mouse.Release(m_R5, onR5, 60);
        QCOMPARE(m_form->focusWidget(), m_R5);
    }

    void doubleClickInAFieldStillSelectsIt() {
        const QPoint onR5 = m_R5->rect().center();
        m_mouse.Press(m_R5, onR5, 1000);
        m_mouse.Release(m_R5, onR5, 60);
        m_mouse.Press(m_R5, onR5, 80);
        m_mouse.Release(m_R5, onR5, 60);
        QCOMPARE(m_R5->selectedText(), QStringLiteral("100"));
    }
};

}  // namespace

QTEST_MAIN(DoubleClickTest)
#include "double_click_test.moc"
