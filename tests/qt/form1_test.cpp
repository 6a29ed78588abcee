// SPDX-License-Identifier: MIT
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <utility>

#include "tests/qt/find_control.h"
#include "tests/qt/icon_images.h"
#include "tests/qt/program_under_test.h"
#include "ui/design/design.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/form1.h"
#include "ui/qt/program.h"

namespace {

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::Program> m_program;
    ui::Form1* m_form = nullptr;

    QLineEdit* field(QAnyStringView name) const { return test::Find<QLineEdit>(m_form, name); }
    void pressCalculate() {
        QTest::mouseClick(test::Find<QPushButton>(m_form, "Command1"), Qt::LeftButton);
    }

private slots:
    void initTestCase() { ui::SetUpApplication(); }

    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_program = test::StartProgram();
        m_form = &m_program->form1();
    }
    void cleanup() { m_program.reset(); }

    void opensWithDefaultsAndFocusInR6() {
        QCOMPARE(field("Text8(0)")->text(), QStringLiteral("0"));
        QCOMPARE(QApplication::focusWidget(), field("Text1(0)"));
    }

    void calculateShowsGainInUsersLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia) << "53,1";
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "53.1";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "53,1";
    }
    void calculateShowsGainInUsersLocale() {
        QFETCH(QLocale, locale);
        QFETCH(QString, shown);
        // State: the reference values. Action: "Расчет", twice. Expected: the same text.
        QLocale::setDefault(locale);
        pressCalculate();
        QCOMPARE(field("Text8(0)")->text(), shown);
        pressCalculate();
        QCOMPARE(field("Text8(0)")->text(), shown);
        QCOMPARE(field("Text10(2)")->text(), QStringLiteral("10"));  // inputs untouched
    }

    void failedCalculationChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty frequency") << "Text10(2)"
                                         << "";
        QTest::newRow("zero C5") << "Text9(3)"
                                 << "0";
        QTest::newRow("R6 beyond a double") << "Text1(0)"
                                            << "1E400";
        QTest::newRow("frequency overflows") << "Text10(2)"
                                             << "1E306";
    }
    void failedCalculationChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        field(name)->setText(text);
        field("Text8(0)")->setText(QStringLiteral("marker"));
        pressCalculate();
        QCOMPARE(field("Text8(0)")->text(), QStringLiteral("marker"));
        QCOMPARE(field(name)->text(), text);
    }

    void typedResultIsReplacedByNextCalculation() {
        QTest::keyClicks(field("Text8(0)"), "typed");
        field("Text10(2)")->setText(QStringLiteral("20"));
        pressCalculate();
        QCOMPARE(field("Text8(0)")->text(), QStringLiteral("55.1"));
    }

    void calculatesWhatTheUserTyped() {
        // R5 and R6 cleared by the keyboard read as zero.
        for (const char* name : {"Text2(0)", "Text1(0)"}) {
            field(name)->setFocus();
            field(name)->selectAll();
            QTest::keyClick(field(name), Qt::Key_Delete);
        }
        QTest::keyClick(test::Find<QPushButton>(m_form, "Command1"), Qt::Key_Space);
        QCOMPARE(field("Text8(0)")->text(), QStringLiteral("208"));
    }

    // Whatever is pasted, at the full length a field takes, the press either shows the right
    // gain or leaves the result alone.
    void hostilePastesNeverHurt_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits everywhere") << "digits"
                                           << "marker";
        QTest::newRow("blanks everywhere") << "blanks"
                                           << "marker";
        QTest::newRow("garbage everywhere") << "garbage"
                                            << "marker";
        QTest::newRow("reference values among blanks") << "padded"
                                                       << "53.1";
        QTest::newRow("R5 and R6 all zeros") << "zeros"
                                             << "208";
    }
    void hostilePastesNeverHurt() {
        QFETCH(QString, kind);
        QFETCH(QString, shown);
        constexpr qsizetype kLongest = 32767;
        const auto padded = [&](const QString& value) {
            const qsizetype before = (kLongest - value.size()) / 2;
            return QString(before, u' ') + value + QString(kLongest - before - value.size(), u' ');
        };
        const auto pasted = [&](QLineEdit* input) -> QString {
            if (kind == "digits") {
                return QString(kLongest, u'7');
            }
            if (kind == "blanks") {
                return QString(kLongest, u' ');
            }
            if (kind == "garbage") {
                const QString pattern = QStringLiteral("x&H,.-E\tС");
                return pattern.repeated(kLongest / pattern.size() + 1).left(kLongest);
            }
            const bool resistor =
                input->objectName() == "Text2(0)" || input->objectName() == "Text1(0)";
            return kind == "zeros" && resistor ? QString(kLongest, u'0') : padded(input->text());
        };
        field("Text8(0)")->setText(QStringLiteral("marker"));
        for (const char* name : {"Text10(2)", "Text6(1)", "Text9(3)", "Text8(3)", "Text2(0)",
                                 "Text1(0)", "Text5(1)"}) {
            QLineEdit* input = field(name);
            QGuiApplication::clipboard()->setText(pasted(input));
            input->setFocus();
            input->selectAll();
            QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(input->text().size(), kLongest);
        }
        pressCalculate();
        QCOMPARE(field("Text8(0)")->text(), shown);
    }

    void resultCanBeCopied() {
        pressCalculate();
        QLineEdit* result = field("Text8(0)");
        result->setFocus();
        QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("53.1"));
    }

    static void addFieldRows() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Text10(2)", "Text1(0)", "Text2(0)", "Text5(1)", "Text6(1)",
                                 "Text9(3)", "Text8(3)", "Text8(0)"}) {
            QTest::newRow(name) << name;
        }
    }

    // A screen reader announces each field by the caption to its left and the unit to its
    // right, as a sighted user reads the row.
    void fieldsAreAnnouncedByTheirRow_data() { addFieldRows(); }
    void fieldsAreAnnouncedByTheirRow() {
        QFETCH(QString, name);
        const QLineEdit* input = field(name);
        QList<const QLabel*> row;
        for (const QLabel* label : m_form->findChildren<QLabel*>()) {
            const int middle = label->geometry().center().y();
            if (middle >= input->geometry().top() && middle <= input->geometry().bottom()) {
                row << label;
            }
        }
        std::sort(row.begin(), row.end(),
                  [](const QLabel* a, const QLabel* b) { return a->x() < b->x(); });
        QStringList spoken;
        for (const QLabel* label : row) {
            spoken << label->text();
        }
        QCOMPARE(input->accessibleName(), spoken.join(QStringLiteral(", ")));
    }

    // Every caption, unit, button and default value the user reads, as the screen shows it.
    // The С of the capacitors is the Cyrillic letter, the R of the resistors the Latin one.
    void showsEveryText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const std::pair<const char*, const char*> texts[] = {
            {"Label1(11)", "Вводим реальные параметры установленных элементов"},
            {"Label1(0)", "Рабочая частота"},
            {"Label1(1)", "кГц"},
            {"Label1(2)", "Резистор R6"},
            {"Label1(3)", "Ом"},
            {"Label1(6)", "Резистор R5"},
            {"Label1(9)", "кОм"},
            {"Label1(4)", "Резистор R9"},
            {"Label1(10)", "кОм"},
            {"Label1(5)",
             "Конденсатор \u0421"
             "2"},
            {"Label1(12)", "пФ"},
            {"Label1(7)",
             "Конденсатор \u0421"
             "5"},
            {"Label1(15)", "нФ"},
            {"Label1(8)",
             "Конденсатор \u0421"
             "7"},
            {"Label1(13)", "пФ"},
            {"Label1(14)", "Коэфициент усиления"},
            {"Command1", "Расчет"},
            {"Command2", "О программе"},
            {"Command3", "Автор"},
            {"Text10(2)", "10"},
            {"Text1(0)", "1200"},
            {"Text2(0)", "100"},
            {"Text5(1)", "100"},
            {"Text6(1)", "4700"},
            {"Text9(3)", "33"},
            {"Text8(3)", "22"},
            {"Text8(0)", "0"},
        };
        for (const auto& [name, text] : texts) {
            QTest::newRow(name) << name << QString::fromUtf8(text);
        }
    }
    void showsEveryText() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QWidget* control = test::Find<QWidget>(m_form, name);
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            shown = label->text();
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            shown = button->text();
        } else {
            shown = field(name)->text();
        }
        QCOMPARE(shown, text);
    }

    void iconIsTheProgramIcon() {
        const QString mismatch =
            test::IconMismatch(m_form->windowIcon(), QStringLiteral(":/pictures/program.ico"));
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    // Black on every desktop. On X11 the desktop colour is black as well, so no picture taken
    // here could tell a window that follows the desktop from this one; the design can.
    void backgroundIsBlackOnEveryDesktop() {
        const ui::Colour background = ui::kForm1Design.background;
        QCOMPARE(background.source, ui::Colour::Source::Fixed);
        QCOMPARE(QColor(background.red, background.green, background.blue), QColor(Qt::black));
    }

    // None of the buttons is a default button: Enter in a field calculates nothing.
    void enterInAFieldPressesNothing() {
        QTest::keyClick(field("Text1(0)"), Qt::Key_Return);
        QTest::keyClick(field("Text1(0)"), Qt::Key_Enter);
        QCOMPARE(field("Text8(0)")->text(), QStringLiteral("0"));
    }

    void contextMenuSpeaksRussian() {
        const std::unique_ptr<QMenu> menu(field("Text1(0)")->createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            texts << action->text().section(u'\t', 0, 0);  // without the shortcut
        }
        QVERIFY2(texts.contains(QStringLiteral("&Копировать")), qPrintable(texts.join(u'|')));
    }

    void tabGoesRoundInDesignedOrder() {
        const QStringList expected{"Text2(0)", "Command1", "Command2",  "Command3",
                                   "Text6(1)", "Text5(1)", "Text10(2)", "Text9(3)",
                                   "Text8(3)", "Text8(0)", "Text1(0)"};
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void closingItEndsTheProgram() {
        // State: only the main window. Action: close it. Expected: the event loop ends, with 0.
        QTimer::singleShot(0, m_form, &QWidget::close);
        QTimer guard;
        guard.callOnTimeout([] { QCoreApplication::exit(99); });
        guard.start(10000);
        QCOMPARE(QApplication::exec(), 0);
    }
};

}  // namespace

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
