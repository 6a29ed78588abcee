// SPDX-License-Identifier: MIT
// The rows of tests/data/behaviour.tsv, which the Windows and web suites run too, against the
// Qt windows: each row on a program of its own.
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <algorithm>

#include "tests/behaviour/behaviour_table.h"
#include "tests/qt/find_control.h"
#include "tests/qt/mouse.h"
#include "tests/qt/program_under_test.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/program.h"

namespace {

using behaviour::ControlName;
using behaviour::Expectation;
using behaviour::Row;
using behaviour::Step;

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = behaviour::ReadRows(BEHAVIOUR_FILE, "linux");
    return rows;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

class BehaviourTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::Program> m_program;
    bool m_ended = false;
    test::Mouse m_mouse;

    // The open window of that name, or null.
    QWidget* window(const std::string& name) {
        if (name == "Form1") {
            return m_program->form1().isVisible() ? &m_program->form1() : nullptr;
        }
        if (name == "frmAbout") {
            return m_program->frmAbout().window();
        }
        if (name == "frmAbout1") {
            return m_program->frmAbout1().window();
        }
        qFatal("the table names no window %s", name.c_str());
    }

    QWidget* control(const ControlName& name) {
        QWidget* open = window(name.window);
        if (open == nullptr) {
            qFatal("%s is not open, to find %s in", name.window.c_str(), name.control.c_str());
        }
        return test::Find<QWidget>(open, Text(name.control));
    }

    static QString fieldText(QWidget* field) {
        if (auto* line = qobject_cast<QLineEdit*>(field)) {
            return line->text();
        }
        return qobject_cast<QPlainTextEdit*>(field)->toPlainText();
    }

    static bool activate(QWidget* window) {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }

    void focus(QWidget* field) {
        QVERIFY(activate(field->window()));
        field->setFocus(Qt::OtherFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(field)) {
            line->end(false);
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(field)) {
            text->moveCursor(QTextCursor::End);
        }
    }

    // Where a key goes: the focused control. When a window closes, the offscreen platform
    // activates no other, where a desktop's window manager activates the window beneath.
    QWidget* keyTarget() {
        for (const char* name : {"Form1", "frmAbout", "frmAbout1"}) {
            if (QApplication::focusWidget() != nullptr) {
                break;
            }
            if (QWidget* open = window(name)) {
                activate(open);
            }
        }
        return QApplication::focusWidget();
    }

    void key(const std::string& name) {
        static const std::map<std::string, std::pair<Qt::Key, Qt::KeyboardModifiers>, std::less<>>
            keys{
                {"Tab", {Qt::Key_Tab, Qt::NoModifier}},
                {"Shift+Tab", {Qt::Key_Backtab, Qt::ShiftModifier}},
                {"Enter", {Qt::Key_Return, Qt::NoModifier}},
                {"Ctrl+Enter", {Qt::Key_Return, Qt::ControlModifier}},
                {"Escape", {Qt::Key_Escape, Qt::NoModifier}},
                {"Space", {Qt::Key_Space, Qt::NoModifier}},
                {"Left", {Qt::Key_Left, Qt::NoModifier}},
                {"Ctrl+A", {Qt::Key_A, Qt::ControlModifier}},
                {"Ctrl+Z", {Qt::Key_Z, Qt::ControlModifier}},
            };
        const auto found = keys.find(name);
        if (found == keys.end()) {
            qFatal("the table names no key %s", name.c_str());
        }
        QTest::keyClick(keyTarget(), found->second.first, found->second.second);
    }

    // Two clicks on `target` within the double-click time, with `beneath` moved under it.
    void doubleClick(QWidget* target, QWidget* beneath) {
        QWidget* moved = beneath->window();
        const QPoint centre = target->mapToGlobal(target->rect().center());
        moved->move(moved->pos() + centre - beneath->mapToGlobal(beneath->rect().center()));
        QCoreApplication::processEvents();
        const QPoint onTarget = target->rect().center();
        const QPoint onBeneath = beneath->rect().center();
        const QPointer<QWidget> first = target;
        m_mouse.Press(target, onTarget, 10);
        m_mouse.Release(target, onTarget, 60);
        // The first click closed the window: the second lands on what lies beneath.
        QWidget* second = first != nullptr && first->isVisible() ? target : beneath;
        m_mouse.Press(second, second == target ? onTarget : onBeneath, 80);
        m_mouse.Release(second, second == target ? onTarget : onBeneath, 60);
    }

    void run(const Step& step) {
        switch (step.verb) {
            case Step::Verb::Focus:
                focus(control(step.target));
                break;
            case Step::Verb::Key:
                key(step.text);
                break;
            case Step::Verb::Type:
                QTest::keyClicks(keyTarget(), Text(step.text));
                break;
            case Step::Verb::Paste:
                QGuiApplication::clipboard()->setText(Text(step.text));
                QTest::keyClick(keyTarget(), Qt::Key_V, Qt::ControlModifier);
                break;
            case Step::Verb::Click:
                QTest::mouseClick(control(step.target), Qt::LeftButton);
                break;
            case Step::Verb::DoubleClick:
                doubleClick(control(step.target), control(step.over));
                break;
            case Step::Verb::Close:
                window(step.target.window)->close();
                break;
        }
        QCoreApplication::processEvents();
    }

    QStringList openWindows() {
        QStringList open;
        for (const char* name : {"Form1", "frmAbout", "frmAbout1"}) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() == QLatin1String(name) && top->isVisible()) {
                    open << name;
                }
            }
        }
        return open;
    }

    void check(const Expectation& expected) {
        switch (expected.kind) {
            case Expectation::Kind::Text:
                QCOMPARE(fieldText(control(expected.control)), Text(expected.text));
                break;
            case Expectation::Kind::Length:
                QCOMPARE(fieldText(control(expected.control)).size(), expected.length);
                break;
            case Expectation::Kind::Open: {
                QStringList wanted;
                for (const std::string& name : expected.open) {
                    wanted << Text(name);
                }
                wanted.sort();
                QStringList open = openWindows();
                open.sort();
                QCOMPARE(open, wanted);
                break;
            }
            case Expectation::Kind::Focus:
                QCOMPARE(QApplication::focusWidget(), control(expected.control));
                break;
            case Expectation::Kind::Ended:
                QVERIFY2(m_ended, "the program did not end");
                break;
        }
    }

private slots:
    void initTestCase() { ui::SetUpApplication(); }

    void rows_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < Rows().size(); ++i) {
            QTest::newRow(Rows()[i].what.c_str()) << static_cast<int>(i);
        }
    }
    void rows() {
        QFETCH(int, index);
        const Row& row = Rows()[static_cast<std::size_t>(index)];
        if (!row.skip.empty()) {
            QSKIP(row.skip.c_str());
        }
        m_program = test::StartProgram();
        if (row.window != "Form1") {
            test::SlotOf(*m_program, row.window).Open();
            QVERIFY(activate(window(row.window)));
        }
        // In the event loop, as the program runs: it ends the loop, with 0, when its last
        // window closes, and the test ends it with 1 after the last step.
        QTimer stop;
        stop.setSingleShot(true);
        connect(&stop, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        QTimer::singleShot(0, this, [&] {
            for (const Step& step : row.steps) {
                run(step);
            }
            stop.start(0);
        });
        m_ended = QApplication::exec() == 0;
        for (const Expectation& expected : row.expect) {
            check(expected);
        }
    }

    void cleanup() { m_program.reset(); }
};

}  // namespace

QTEST_MAIN(BehaviourTest)
#include "behaviour_test.moc"
