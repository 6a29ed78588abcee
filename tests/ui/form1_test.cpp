// SPDX-License-Identifier: MIT
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "ui/qt/application_setup.h"
#include "ui/qt/form1.h"

namespace {

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::Form1> m_form;

    QLineEdit* field(const QString& name) const {
        auto* found = m_form->findChild<QLineEdit*>(name);
        Q_ASSERT(found != nullptr);
        return found;
    }
    void pressCalculate() {
        QTest::mouseClick(m_form->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    }

private slots:
    void initTestCase() { ui::SetUpApplication(); }

    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_form = std::make_unique<ui::Form1>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup() { m_form.reset(); }

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
        QTest::keyClick(m_form->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::Key_Space);
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

    void fieldsAreAnnouncedWithCaptionAndUnit() {
        QCOMPARE(field("Text10(2)")->accessibleName(), QStringLiteral("Рабочая частота, кГц"));
        QCOMPARE(field("Text6(1)")->accessibleName(), QStringLiteral("Конденсатор С2, пФ"));
        QCOMPARE(field("Text8(0)")->accessibleName(), QStringLiteral("Коэфициент усиления"));
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

    void cannotBeResized() {
        QCOMPARE(m_form->minimumSize(), QSize(457, 434));
        QCOMPARE(m_form->maximumSize(), QSize(457, 434));
        QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(m_form->windowFlags() & Qt::WindowMinimizeButtonHint));
    }

    void closingItEndsTheProgram() {
        // State: only the main window. Action: close it. Expected: the event loop ends, with 0.
        QTimer::singleShot(0, m_form.get(), &QWidget::close);
        QTimer guard;
        guard.callOnTimeout([] { QCoreApplication::exit(99); });
        guard.start(10000);
        QCOMPARE(QApplication::exec(), 0);
    }
};

}  // namespace

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
