// SPDX-License-Identifier: MIT
// What the user sees: each window drawn offscreen and compared, pixel by pixel, with the
// picture of it kept in tests/qt/references/qtX.Y/ for the Qt version it runs with. Everything
// that would make the drawing drift from one machine to another is pinned here, not on the
// machine: the fonts fontconfig may offer and how it renders them, the widget style, the
// screen's scale and resolution.
//
// usage: window_pictures_test SCALE [Qt Test options]   (SCALE is 1 or 2)
// With VELTRANA_UPDATE_REFERENCES=1 it writes the references instead of comparing
// (tests/qt/update-references does that for both scales).
#include <QDir>
#include <QImage>
#include <QLibraryInfo>
#include <QPixmap>
#include <QtTest>
#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/qt/application_setup.h"
#include "ui/qt/info_windows.h"
#include "ui/qt/program.h"

namespace {

// How far a colour component may stray before the pixel counts as changed. Enough for a
// rounding difference between the raster engine's code paths on different processors; far
// below any change a user could see, such as (255, 255, 192) for (255, 255, 128).
constexpr int kTolerance = 8;

bool Differs(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) > kTolerance || qAbs(qGreen(a) - qGreen(b)) > kTolerance ||
           qAbs(qBlue(a) - qBlue(b)) > kTolerance;
}

// Each Qt version keeps its own pictures: a newer one spaces the lines of a multi-line text
// differently and rasterises some glyphs otherwise, which no tolerance could absorb without
// also passing a control moved by a pixel.
QDir ReferencesDir() {
    const QVersionNumber qt = QLibraryInfo::version();
    return QDir(
        QStringLiteral(REFERENCES_DIR "/qt%1.%2").arg(qt.majorVersion()).arg(qt.minorVersion()));
}

// The changed pixels in red over a dimmed copy of the reference, and how many there are.
std::pair<QImage, int> Difference(const QImage& actual, const QImage& reference) {
    QImage map(actual.size(), QImage::Format_RGB32);
    int changed = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb was = reference.valid(x, y) ? reference.pixel(x, y) : qRgb(0, 0, 0);
            if (!reference.valid(x, y) || Differs(actual.pixel(x, y), was)) {
                map.setPixel(x, y, qRgb(255, 0, 0));
                ++changed;
            } else {
                map.setPixel(x, y, qRgb(qGray(was) / 4, qGray(was) / 4, qGray(was) / 4));
            }
        }
    }
    return {map, changed};
}

class WindowPicturesTest : public QObject {
    Q_OBJECT

public:
    explicit WindowPicturesTest(QString scale) : m_scale(std::move(scale)) {}

private:
    QString m_scale;

    QString pictureName(const QString& window) const {
        return QStringLiteral("%1@%2x").arg(window, m_scale);
    }

    void compareWithReference(QWidget& window) {
        const QImage actual = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString name = pictureName(window.objectName());
        const QString reference = ReferencesDir().filePath(name + ".png");
        if (qEnvironmentVariableIntValue("VELTRANA_UPDATE_REFERENCES") == 1) {
            QVERIFY2(QDir().mkpath(ReferencesDir().path()) && actual.save(reference),
                     qPrintable(reference));
            qInfo("wrote %s", qPrintable(reference));
            return;
        }
        const QImage expected(reference);
        QVERIFY2(!expected.isNull(),
                 qPrintable("no reference picture " + reference +
                            " for this Qt version (tests/qt/update-references draws it)"));
        const auto [map, changed] =
            Difference(actual, expected.convertToFormat(QImage::Format_RGB32));
        if (changed == 0 && actual.size() == expected.size()) {
            return;
        }
        const QDir out(QDir::current().absoluteFilePath(QStringLiteral("window-pictures")));
        QDir().mkpath(out.path());
        const QString actualPath = out.absoluteFilePath(name + "-actual.png");
        const QString differencePath = out.absoluteFilePath(name + "-difference.png");
        actual.save(actualPath);
        map.save(differencePath);
        QFAIL(qPrintable(QStringLiteral("%1: %2 of %3 pixels differ from %4 (drawn %5x%6, "
                                        "reference %7x%8); see %9 and %10")
                             .arg(name)
                             .arg(changed)
                             .arg(actual.width() * actual.height())
                             .arg(reference)
                             .arg(actual.width())
                             .arg(actual.height())
                             .arg(expected.width())
                             .arg(expected.height())
                             .arg(actualPath, differencePath)));
    }

    void compareInfoWindow(ui::InfoWindowSlot& slot) {
        slot.Open();
        const QPointer<ui::InfoWindow> window = slot.window();
        QVERIFY(window != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(window));
        compareWithReference(*window);
    }

private slots:
    void initTestCase() {
        ui::SetUpApplication();
        // A steady caret, drawn in every picture, instead of one that blinks in and out.
        QApplication::setCursorFlashTime(0);
    }

    void form1() {
        ui::Program program;
        QVERIFY(QTest::qWaitForWindowActive(&program.form1()));
        compareWithReference(program.form1());
    }

    void frmAbout() {
        ui::Program program;
        compareInfoWindow(program.frmAbout());
    }

    void frmAbout1() {
        ui::Program program;
        compareInfoWindow(program.frmAbout1());
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    const std::string_view scale = argc > 1 ? argv[1] : "";
    if (scale != "1" && scale != "2") {
        std::fprintf(stderr, "usage: %s 1|2 [Qt Test options]\n", argv[0]);
        return 2;
    }
    // The screen: offscreen, 96 dots per inch, at exactly the scale asked for.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray(scale.data(), static_cast<qsizetype>(scale.size())));
    for (const char* variable :
         {"QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE",
          "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY"}) {
        qunsetenv(variable);
    }
    // The fonts: the Liberation faces alone, rendered the same way on every machine.
    qputenv("FONTCONFIG_FILE", FONTS_CONF);

    std::vector<char*> args{argv[0]};
    args.insert(args.end(), argv + 2, argv + argc);
    int count = static_cast<int>(args.size());
    QApplication application(count, args.data());
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    WindowPicturesTest test{QString::fromLatin1(scale.data(), 1)};
    return QTest::qExec(&test, count, args.data());
}

#include "window_pictures_test.moc"
