// SPDX-License-Identifier: MIT
// What the windows tell assistive tools, asked through Qt's accessibility interfaces without a
// screen reader: every piece of text at every offset, the announced result, the pictures in
// the tab chain, the program's name.
#include <QAccessible>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <memory>

#include "tests/qt/find_control.h"
#include "ui/design/design.h"
#include "ui/design/form1_controls.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/build_window.h"
#include "ui/qt/form1.h"
#include "ui/qt/program.h"

namespace {

using Boundary = QAccessible::TextBoundaryType;

struct Piece {
    int start = -2;
    int end = -2;
    QString text;
    bool operator==(const Piece&) const = default;
};

char* toString(const Piece& piece) {  // what QCOMPARE prints when pieces differ
    return QTest::toString(
        QStringLiteral("(%1, %2) \"%3\"").arg(piece.start).arg(piece.end).arg(piece.text));
}

enum class Where { Before, At, After };

Piece Ask(QAccessibleTextInterface* text, Where where, int offset, Boundary boundary) {
    Piece piece;
    switch (where) {
        case Where::Before:
            piece.text = text->textBeforeOffset(offset, boundary, &piece.start, &piece.end);
            break;
        case Where::At:
            piece.text = text->textAtOffset(offset, boundary, &piece.start, &piece.end);
            break;
        case Where::After:
            piece.text = text->textAfterOffset(offset, boundary, &piece.start, &piece.end);
            break;
    }
    return piece;
}

QAccessibleTextInterface* TextOf(QWidget* field) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
    return accessible != nullptr ? accessible->textInterface() : nullptr;
}

// The fields of a single and of a multiple line, holding the same text.
std::vector<std::unique_ptr<QWidget>> Fields(const QString& content) {
    std::vector<std::unique_ptr<QWidget>> fields;
    if (!content.contains(u'\n')) {
        fields.push_back(std::make_unique<QLineEdit>(content));
    }
    auto multi = std::make_unique<QPlainTextEdit>(content);
    multi->resize(300, 200);
    fields.push_back(std::move(multi));
    return fields;
}

QString DesktopEntry(const QString& key) {
    QFile entry(QStringLiteral(DESKTOP_ENTRY));
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(entry.readAll())).captured(1);
}

// The notification that tells screen readers how a calculation went.
QWidget* Notification(QWidget& window) {
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (QAccessible::queryAccessibleInterface(child)->role() == QAccessible::Notification) {
            return child;
        }
    }
    return nullptr;
}

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::SetUpApplication(); }

    // Every offset, the ends and one past them included, by every boundary, before, at and
    // after: each answer is a piece of the text that holds what it should, and comes back.
    void everyOffsetAnswers_data() {
        QTest::addColumn<QString>("content");
        QTest::newRow("empty") << QString();
        QTest::newRow("a number") << QStringLiteral("1200");
        QTest::newRow("one character") << QStringLiteral("0");
        QTest::newRow("words and blanks") << QStringLiteral("  4.7E3 кОм  ");
        QTest::newRow("sentences") << QStringLiteral("Один. Два!!! Три? ");
        const std::string_view about = ui::kFrmAboutDesign.fields[0].text;
        QTest::newRow("О программе")
            << QString::fromUtf8(about.data(), static_cast<qsizetype>(about.size()));
        const std::string_view author = ui::kFrmAbout1Design.fields[0].text;
        QTest::newRow("Автор программы")
            << QString::fromUtf8(author.data(), static_cast<qsizetype>(author.size()));
    }
    void everyOffsetAnswers() {
        QFETCH(QString, content);
        for (const auto& field : Fields(content)) {
            QAccessibleTextInterface* text = TextOf(field.get());
            QVERIFY(text != nullptr);
            const int length = text->characterCount();
            const QString whole = text->text(0, length);
            for (const Boundary boundary :
                 {QAccessible::CharBoundary, QAccessible::WordBoundary,
                  QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
                  QAccessible::LineBoundary, QAccessible::NoBoundary}) {
                for (int offset = -1; offset <= length + 1; ++offset) {
                    const Piece at = Ask(text, Where::At, offset, boundary);
                    const Piece before = Ask(text, Where::Before, offset, boundary);
                    const Piece after = Ask(text, Where::After, offset, boundary);
                    for (const Piece& piece : {at, before, after}) {
                        QVERIFY(0 <= piece.start && piece.start <= piece.end &&
                                piece.end <= length);
                        QCOMPARE(piece.text, whole.mid(piece.start, piece.end - piece.start));
                    }
                    if (offset < 0 || offset >= length) {
                        continue;
                    }
                    QVERIFY2(at.start <= offset && offset < at.end, qPrintable(at.text));
                    const Piece start{0, 0, {}};
                    const Piece end{length, length, {}};
                    QVERIFY(before == start || before.end == at.start);
                    QVERIFY(after == end || after.start == at.end);
                }
            }
        }
    }

    // A screen reader builds what it says from the attribute runs: they must cover the text.
    void attributeRunsCoverTheText() {
        for (const auto& field : Fields(QStringLiteral("4700"))) {
            QAccessibleTextInterface* text = TextOf(field.get());
            for (int offset = 0; offset < 4; ++offset) {
                int start = -1;
                int end = -1;
                text->attributes(offset, &start, &end);
                QCOMPARE(start, 0);
                QCOMPARE(end, 4);
            }
        }
    }

    // What word navigation reads: a word with the blanks after it; at the end of the text, the
    // word just passed.
    void wordsAsAScreenReaderReadsThem_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("where");
        QTest::addColumn<Piece>("expected");
        QTest::newRow("first word") << 0 << int(Where::At) << Piece{0, 4, QStringLiteral("1,2 ")};
        QTest::newRow("inside the last")
            << 5 << int(Where::At) << Piece{4, 7, QStringLiteral("кОм")};
        QTest::newRow("end of the text")
            << 7 << int(Where::At) << Piece{4, 7, QStringLiteral("кОм")};
        QTest::newRow("before the last")
            << 5 << int(Where::Before) << Piece{0, 4, QStringLiteral("1,2 ")};
        QTest::newRow("after the first")
            << 1 << int(Where::After) << Piece{4, 7, QStringLiteral("кОм")};
        QTest::newRow("after the last") << 6 << int(Where::After) << Piece{7, 7, {}};
    }
    void wordsAsAScreenReaderReadsThem() {
        QFETCH(int, offset);
        QFETCH(int, where);
        QFETCH(Piece, expected);
        QLineEdit field(QStringLiteral("1,2 кОм"));
        QCOMPARE(Ask(TextOf(&field), Where(where), offset, QAccessible::WordBoundary), expected);
    }

    // State: the main window, the focus on "Расчет". Action: press it with the defaults, then
    // with no frequency. Expected: a notification, shown anew (a screen reader speaks it as
    // it appears), says the result, then the failure; it takes no room on the screen and the
    // focus stays on the button. Orca speaking it is orca_test's part.
    void calculationIsAnnounced() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));  // "53,1"
        ui::Program program;
        ui::Form1& form1 = program.form1();
        QVERIFY(QTest::qWaitForWindowActive(&form1));
        auto* command1 = test::Find<QPushButton>(&form1, ui::form1::Command1);
        command1->setFocus();
        QWidget* notification = Notification(form1);
        QVERIFY(notification != nullptr);
        QVERIFY(notification->isHidden());

        QTest::keyClick(command1, Qt::Key_Space);
        QVERIFY(notification->isVisible());
        QCOMPARE(notification->accessibleName(), QStringLiteral("Коэфициент усиления 53,1"));
        QCOMPARE(QApplication::focusWidget(), command1);

        test::Find<QLineEdit>(&form1, ui::form1::Text10_2)->clear();
        QTest::keyClick(command1, Qt::Key_Space);
        QCOMPARE(notification->accessibleName(), QStringLiteral("Расчет не выполнен"));
        QCOMPARE(QApplication::focusWidget(), command1);
        QVERIFY(notification->size().isEmpty());
        QCOMPARE(notification->focusPolicy(), Qt::NoFocus);
    }

    // The pictures come in their designed places in the tab chain, with a focus frame while
    // they have the focus, and tell their names and descriptions.
    void picturesTakeTheFocus_data() {
        QTest::addColumn<const ui::WindowDesign*>("design");
        QTest::addColumn<QStringList>("chain");
        QTest::addColumn<QString>("picture");
        QTest::newRow("frmAbout") << &ui::kFrmAboutDesign
                                  << QStringList{"cmdOK", "Text1", "Picture1", "cmdOK"}
                                  << QStringLiteral("Picture1");
        QTest::newRow("frmAbout1")
            << &ui::kFrmAbout1Design << QStringList{"cmdOK", "OLE1", "Text1", "cmdOK"}
            << QStringLiteral("OLE1");
    }
    void picturesTakeTheFocus() {
        QFETCH(const ui::WindowDesign*, design);
        QFETCH(QStringList, chain);
        QFETCH(QString, picture);
        QWidget window(nullptr, Qt::Window);
        ui::BuildWindow(window, *design);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* box = test::Find<QWidget>(&window, picture);
        const QImage unfocused = box->grab().toImage();

        QCOMPARE(QApplication::focusWidget()->objectName(), chain.first());
        for (const QString& next : chain.mid(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
            if (next == picture) {
                QVERIFY(box->grab().toImage() != unfocused);  // the focus frame
            }
        }

        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
        QVERIFY(accessible->state().focusable);
        QVERIFY(!accessible->text(QAccessible::Name).isEmpty());
        QVERIFY(!accessible->text(QAccessible::Description).isEmpty());
    }

    // The program's name for assistive tools is the one its desktop entry gives it.
    void programSpeaksItsRussianName() {
        QAccessibleInterface* program = QAccessible::queryAccessibleInterface(qApp);
        QCOMPARE(program->text(QAccessible::Name), DesktopEntry(QStringLiteral("Name[ru]")));
        QCOMPARE(program->text(QAccessible::Description),
                 DesktopEntry(QStringLiteral("Comment[ru]")));
        QVERIFY(!program->text(QAccessible::Name).isEmpty());
    }
};

}  // namespace

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
