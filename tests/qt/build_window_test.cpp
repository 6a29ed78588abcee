// SPDX-License-Identifier: MIT
// The builder against a small window with one control of each kind.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <string>

#include "tests/qt/find_control.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/build_window.h"
#include "ui/qt/faces.h"

namespace {

using namespace ui;

// Set in the child process that asks for a control the window lacks.
constexpr char kChild[] = "VELTRANA_BUILD_WINDOW_CHILD";

constexpr FontDesign kSerif{"Times New Roman", 11.25, true};

// clang-format off
constexpr FieldDesign kFields[] = {
    {"Single(0)", FieldLines::Single, {150, 300, 1500, 450},  "1,5",          kWindowTextColour, Rgb(255, 192, 128), kSerif, 2, "Single, mm"},
    {"Multi",     FieldLines::Multi,  {150, 900, 1500, 900},  "one\r\ntwo\r\n", Rgb(1, 2, 3),    kDesktopColour,     kSerif, 5, "Multi"},
};
constexpr PictureDesign kPictures[] = {
    {"Natural", "diagram.jpg", {1800, 0, 1500, 1500}, PictureFit::NaturalSize, 3, "Natural", "A diagram"},
    {"Fitted",  "author.bmp",  {3300, 0, 1500, 3000}, PictureFit::ScaledToFit, 7, "Fitted", "A portrait"},
};
constexpr LabelDesign kLabels[] = {
    {"Caption(3)", "Ёмкость С2", {150, 0, 1500, 255}, Rgb(255, 0, 0), kDesktopColour, kSerif},
};
constexpr ButtonDesign kButtons[] = {
    {"Go", "Пуск", {150, 1950, 1500, 450}, Rgb(0, 255, 0), kSerif, 0, ButtonRole::DefaultAndCancel},
};
constexpr LineDesign kLines[] = {
    {"Rule(7)", {4800, 3000}, {150, 3000}, Rgb(0, 255, 0)},
};
// clang-format on

constexpr WindowDesign kSample{
    .name = "Sample",
    .title = " Пример  окна ",
    .clientSize = {4950, 3150},
    .clientPosition = TwipsPoint{1500, 750},
    .background = Rgb(0, 0, 0),
    .icon = "emblem.ico",
    .taskbarButton = true,
    .fields = kFields,
    .pictures = kPictures,
    .labels = kLabels,
    .buttons = kButtons,
    .lines = kLines,
};

class BuildWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(); }

    void framesTheWindowAsDesigned() {
        QWidget window(nullptr, Qt::Window);
        BuildWindow(window, kSample);
        QCOMPARE(window.objectName(), QStringLiteral("Sample"));
        QCOMPARE(window.windowTitle(), QStringLiteral(" Пример  окна "));
        // 15 twips to the pixel; the position is that of the client area.
        QCOMPARE(window.geometry(), QRect(100, 50, 330, 210));
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(window.palette().color(QPalette::Window), QColor(0, 0, 0));
    }

    void buildsEveryKindOfControl() {
        QWidget window(nullptr, Qt::Window);
        BuildWindow(window, kSample);

        auto* single = test::Find<QLineEdit>(&window, "Single(0)");
        QCOMPARE(single->geometry(), QRect(10, 20, 100, 30));
        QCOMPARE(single->text(), QStringLiteral("1,5"));
        QCOMPARE(single->palette().color(QPalette::Base), QColor(255, 192, 128));
        QCOMPARE(single->font().family(), ui::Face("Times New Roman"));
        QCOMPARE(single->font().pointSizeF(), 11.25);
        QCOMPARE(single->accessibleName(), QStringLiteral("Single, mm"));
        QVERIFY(single->font().bold());

        auto* multi = test::Find<QPlainTextEdit>(&window, "Multi");
        QCOMPARE(multi->toPlainText(), QStringLiteral("one\ntwo\n"));
        QCOMPARE(multi->palette().color(QPalette::Text), QColor(1, 2, 3));
        QVERIFY(multi->tabChangesFocus());

        auto* natural = test::Find<QLabel>(&window, "Natural");
        QCOMPARE(natural->pixmap().size(), QSize(486, 431));
        QCOMPARE(natural->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(natural->accessibleDescription(), QStringLiteral("A diagram"));
        // 189 x 204 fitted into 100 x 200 keeps its proportions.
        auto* fitted = test::Find<QLabel>(&window, "Fitted");
        QCOMPARE(fitted->pixmap().size(), QSize(100, 107));
        QCOMPARE(fitted->focusPolicy(), Qt::TabFocus);

        auto* caption = test::Find<QLabel>(&window, "Caption(3)");
        QCOMPARE(caption->text(), QStringLiteral("Ёмкость С2"));
        QVERIFY(caption->autoFillBackground());
        QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(caption->focusPolicy(), Qt::NoFocus);

        auto* button = test::Find<QPushButton>(&window, "Go");
        QCOMPARE(button->text(), QStringLiteral("Пуск"));
        QCOMPARE(button->palette().color(QPalette::Button), QColor(0, 255, 0));
        QVERIFY(button->isDefault());

        // A line from right to left still covers its whole length.
        auto* rule = test::Find<QWidget>(&window, "Rule(7)");
        QCOMPARE(rule->geometry(), QRect(10, 200, 311, 1));
        QVERIFY(rule->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    // Later kinds lie above earlier ones: the button above the picture above the field.
    void stacksKindsInBuildOrder() {
        QWidget window(nullptr, Qt::Window);
        BuildWindow(window, kSample);
        const QObjectList children = window.children();
        const auto position = [&](const char* name) {
            return children.indexOf(test::Find<QWidget>(&window, name));
        };
        QVERIFY(position("Single(0)") < position("Natural"));
        QVERIFY(position("Natural") < position("Caption(3)"));
        QVERIFY(position("Caption(3)") < position("Go"));
        QVERIFY(position("Go") < position("Rule(7)"));
    }

    void focusFollowsTabIndex() {
        QWidget window(nullptr, Qt::Window);
        BuildWindow(window, kSample);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Tab indexes 0, 2, 3, 5 and 7: the button, the single-line field, a picture, the
        // multi-line field, the other picture.
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Go"));
        for (const char* next : {"Single(0)", "Natural", "Multi", "Fitted", "Go"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromUtf8(next));
        }
    }

    // A handler bound to a name the window lacks, or to a control of another kind, would
    // never run: asking for it stops the program, naming the control. The stop ends the
    // process, so each row runs in a child process of this test.
    void controlNotInTheWindowStopsNamingIt_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("asButton");
        QTest::newRow("misspelt") << "Go(0)" << true;
        QTest::newRow("a field asked for as a button") << "Single(0)" << true;
        QTest::newRow("a button asked for as a field") << "Go" << false;
    }
    void controlNotInTheWindowStopsNamingIt() {
        QFETCH(QString, name);
        QFETCH(bool, asButton);
        if (qEnvironmentVariableIsSet(kChild)) {
            QWidget window(nullptr, Qt::Window);
            const BuiltControls built = BuildWindow(window, kSample);
            const std::string wanted = name.toStdString();
            if (asButton) {
                static_cast<void>(built.Get<QPushButton>(wanted));
            } else {
                static_cast<void>(built.Get<QLineEdit>(wanted));
            }
            return;
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kChild, QStringLiteral("1"));
        // Qt Test would have a debugger print the stack of the stopped child: seconds each.
        environment.insert(QStringLiteral("QTEST_DISABLE_STACK_DUMP"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("controlNotInTheWindowStopsNamingIt:") +
                     QString::fromUtf8(QTest::currentDataTag())});
        QVERIFY(child.waitForFinished(30000));
        const QString said = QString::fromUtf8(child.readAllStandardError() + child.readAll());
        QVERIFY2(child.exitStatus() == QProcess::CrashExit, qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral(" %1\n").arg(name)), qPrintable(said));
    }
};

}  // namespace

QTEST_MAIN(BuildWindowTest)
#include "build_window_test.moc"
