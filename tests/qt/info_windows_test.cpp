// SPDX-License-Identifier: MIT
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QtTest>
#include <algorithm>

#include "tests/qt/find_control.h"
#include "tests/qt/icon_images.h"
#include "tests/qt/program_under_test.h"
#include "ui/design/design.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/form1.h"
#include "ui/qt/info_windows.h"
#include "ui/qt/program.h"

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

QPushButton* Button(const QWidget* window, QAnyStringView name) {
    return test::Find<QPushButton>(window, name);
}

class InfoWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::Program> m_program;
    ui::Form1* m_form = nullptr;

    InfoWindowSlot& slotOf(const QString& name) { return test::SlotOf(*m_program, name); }

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
        m_program = test::StartProgram();
        m_form = &m_program->form1();
    }

    void cleanup() { m_program.reset(); }

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
        InfoWindowSlot& slot = author ? m_program->frmAbout1() : m_program->frmAbout();
        // State: main window only. Action: press the button twice. Expected: one window.
        auto* command = Button(m_form, button);
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
        InfoWindowSlot& slot = author ? m_program->frmAbout1() : m_program->frmAbout();
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
            // The way the windowing system asks a window to close when its close box is pressed.
            QVERIFY(window->windowHandle()->close());
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
        QPlainTextEdit* text =
            openAndWait(m_program->frmAbout())->findChild<QPlainTextEdit*>("Text1");
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
        QTest::keyClick(m_program->frmAbout().window(), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        InfoWindow* again = openAndWait(m_program->frmAbout());
        QCOMPARE(again->findChild<QPlainTextEdit*>("Text1")->toPlainText(), stored);
    }

    void mainWindowWorksWhileBothAreOpen() {
        QTest::mouseClick(Button(m_form, "Command2"), Qt::LeftButton);
        QTest::mouseClick(Button(m_form, "Command3"), Qt::LeftButton);
        QCOMPARE(OpenWindows("frmAbout"), 1);
        QCOMPARE(OpenWindows("frmAbout1"), 1);
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        QTest::mouseClick(Button(m_form, "Command1"), Qt::LeftButton);
        QCOMPARE(m_form->findChild<QLineEdit*>("Text8(0)")->text(), QStringLiteral("53,1"));
    }

    void secondRequestRaisesTheOpenWindow() {
        InfoWindow* about = openAndWait(m_program->frmAbout());
        openAndWait(m_program->frmAbout1());
        QCOMPARE(m_program->frmAbout().window(), about);
        m_program->frmAbout().Open();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(m_program->frmAbout().window(), about);
    }

    void windowsOpenWhereDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("client");
        QTest::newRow("frmAbout") << "frmAbout" << QRect(282, 163, 522, 558);
        QTest::newRow("frmAbout1") << "frmAbout1" << QRect(351, 218, 496, 220);
    }
    void windowsOpenWhereDesigned() {
        QFETCH(QString, name);
        QFETCH(QRect, client);
        // The client area, in pixels at 96 dpi, where it was placed on the screen.
        QCOMPARE(openAndWait(slotOf(name))->geometry(), client);
    }

    // Every text the user reads in the two windows, as it appears on the screen.
    void windowsShowTheirTexts_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("frmAbout cmdOK") << "frmAbout"
                                        << "cmdOK"
                                        << "Понял";
        QTest::newRow("frmAbout1 cmdOK") << "frmAbout1"
                                         << "cmdOK"
                                         << "Знаю такого)";
        QTest::newRow("frmAbout1 Label1(0)") << "frmAbout1"
                                             << "Label1(0)"
                                             << "Варел Минто";
        QTest::newRow("frmAbout1 Label1(1)") << "frmAbout1"
                                             << "Label1(1)"
                                             << "E-mail:     varel@example.org";
        QTest::newRow("frmAbout1 Label1(2)") << "frmAbout1"
                                             << "Label1(2)"
                                             << "Skype:     varel_minto";
        QTest::newRow("frmAbout1 Text1") << "frmAbout1"
                                         << "Text1"
                                         << "\t   Студент кафедры\n"
                                            "\t\"Радиотехнические системы\"\n"
                                            "    Северного политехнического университета\n"
                                            "\t\t\"Полярная звезда\"\n";
    }
    void windowsShowTheirTexts() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, text);
        const InfoWindow* opened = openAndWait(slotOf(window));
        QWidget* shown = test::Find<QWidget>(opened, control);
        if (auto* label = qobject_cast<QLabel*>(shown)) {
            QCOMPARE(label->text(), text);
        } else if (auto* button = qobject_cast<QPushButton*>(shown)) {
            QCOMPARE(button->text(), text);
        } else {
            QCOMPARE(test::Find<QPlainTextEdit>(opened, control)->toPlainText(), text);
        }
    }

    // The explanation is stored as it was written: five lines, each ended by CR LF, every one
    // but the third with a space before it. The field shows it with Qt's own line breaks.
    void explanationKeepsItsLineEnds() {
        const auto fields = ui::kFrmAboutDesign.fields;
        const auto text1 = std::find_if(fields.begin(), fields.end(),
                                        [](const ui::FieldDesign& f) { return f.name == "Text1"; });
        QVERIFY(text1 != fields.end());
        QCOMPARE(QByteArray(text1->text.data(), qsizetype(text1->text.size())),
                 QByteArray("Программа для ТЕОРЕТИЧЕСКОГО расчета коэфициента усиления \r\n"
                            "входного ОУ для металлоискателя Veltrana. \r\n"
                            "Для изменения КУ достаточно подобрать номинал резистора R6.\r\n"
                            "Реальный КУ возможно измерить лишь с помощью осцилографа!!! \r\n"
                            "Программа показывает лишь зависимость КУ от номиналов обвязки ОУ!!! "
                            "\r\n"));
    }

    void iconIsTheEmblemOrNone_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("frmAbout") << "frmAbout"
                                  << ":/pictures/emblem.ico";
        QTest::newRow("frmAbout1") << "frmAbout1"
                                   << "";
    }
    void iconIsTheEmblemOrNone() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        const QIcon icon = openAndWait(slotOf(name))->windowIcon();
        if (file.isEmpty()) {
            QVERIFY(icon.isNull());
            return;
        }
        const QString mismatch = test::IconMismatch(icon, file);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    // From cmdOK, which has the focus when the window opens, round to it again.
    void tabGoesRound_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("cycle");
        QTest::newRow("frmAbout") << "frmAbout"
                                  << QStringList{"cmdOK", "Text1", "Picture1", "cmdOK"};
        QTest::newRow("frmAbout1") << "frmAbout1" << QStringList{"cmdOK", "OLE1", "Text1", "cmdOK"};
    }
    void tabGoesRound() {
        QFETCH(QString, name);
        QFETCH(QStringList, cycle);
        const InfoWindow* window = openAndWait(slotOf(name));
        QStringList visited{QApplication::focusWidget()->objectName()};
        while (visited.size() < cycle.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, cycle);
        QCOMPARE(QApplication::focusWidget()->window(), window);
    }

    // The author's four lines fill the field: all of them stay in sight, and neither the
    // wheel nor Ctrl+End scrolls the first ones away (there is no scroll bar to bring them
    // back).
    void authorsLinesStayInSight() {
        auto* text = test::Find<QPlainTextEdit>(openAndWait(m_program->frmAbout1()), "Text1");
        const auto allLinesInSight = [text] {
            const int height = text->viewport()->height();
            for (QTextBlock line = text->document()->begin(); line.isValid(); line = line.next()) {
                const QRect shown = text->cursorRect(QTextCursor(line));
                if (!line.text().isEmpty() && (shown.top() < 0 || shown.bottom() >= height)) {
                    return false;
                }
            }
            return true;
        };
        QVERIFY(allLinesInSight());
        text->setFocus();
        QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(allLinesInSight());
        const QPoint middle = text->viewport()->rect().center();
        QWheelEvent notch(middle, text->viewport()->mapToGlobal(middle), {}, {0, -120},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(text->viewport(), &notch);
        QVERIFY(allLinesInSight());
    }

    void programEndsWithItsLastWindow() {
        // State: the main window and "О программе" open. Action: close the main window, and a
        // while later the information window. Expected: the program is still running when the
        // second close comes, and ends with it.
        InfoWindow* about = openAndWait(m_program->frmAbout());
        bool runningAfterMainWindow = false;
        QTimer::singleShot(0, m_form, &QWidget::close);
        // Long enough for a quit the first close might have asked for to end the loop.
        QTimer::singleShot(200, about, [&] {
            runningAfterMainWindow = true;
            QCOMPARE(OpenWindows("frmAbout"), 1);
            QTest::keyClick(about, Qt::Key_Escape);
        });
        QTimer guard;
        guard.callOnTimeout([] { QCoreApplication::exit(99); });
        guard.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY2(runningAfterMainWindow, "the program ended with the main window");
        QVERIFY(!m_form->isVisible());
    }
};

}  // namespace

QTEST_MAIN(InfoWindowsTest)
#include "info_windows_test.moc"
