// SPDX-License-Identifier: MIT
// The pictures built into the program load with their exact sizes and colour depths.
#include <QImageReader>
#include <QtTest>

namespace {

struct Frame {
    QSize size;
    int depth;
};

QList<Frame> Frames(const QString& path) {
    QImageReader reader(path);
    QList<Frame> frames;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        frames << Frame{image.size(), image.depth()};
    }
    return frames;
}

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void diagramIsAJpegAtNaturalSize() {
        QImageReader reader(QStringLiteral(":/pictures/diagram.jpg"));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.read().size(), QSize(486, 431));
    }

    void portraitIsA24BitBitmap() {
        QImageReader reader(QStringLiteral(":/pictures/author.bmp"));
        QCOMPARE(reader.format(), QByteArray("bmp"));
        const QImage portrait = reader.read();
        QCOMPARE(portrait.size(), QSize(189, 204));
        QCOMPARE(portrait.format(), QImage::Format_RGB32);  // how Qt holds 24-bit bitmaps
    }

    void iconsHoldEverySize_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QList<QSize>>("sizes");
        QTest::newRow("program") << ":/pictures/program.ico"
                                 << QList<QSize>{{32, 32}, {16, 16}, {48, 48}, {32, 32},  {16, 16},
                                                 {48, 48}, {32, 32}, {16, 16}, {256, 256}};
        QTest::newRow("emblem") << ":/pictures/emblem.ico"
                                << QList<QSize>{{32, 32}, {16, 16}, {32, 32}, {16, 16}};
    }
    void iconsHoldEverySize() {
        QFETCH(QString, path);
        QFETCH(QList<QSize>, sizes);
        const QList<Frame> frames = Frames(path);
        QList<QSize> read;
        for (const Frame& frame : frames) {
            read << frame.size;
        }
        QCOMPARE(read, sizes);
    }
};

}  // namespace

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
