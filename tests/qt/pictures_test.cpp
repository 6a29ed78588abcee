// SPDX-License-Identifier: MIT
// The pictures built into the program, as stored: their sizes and the colour depths written in
// the files themselves (Qt converts every image it reads to a depth of its own choosing).
#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <QtTest>

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    return file.readAll();
}

quint16 Word(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 Dword(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// One image of an .ico file: its size and how its pixels are stored, "4", "8" or "32" bits
// per pixel, or "png".
struct IconImage {
    int size;
    QString depth;
    bool operator==(const IconImage&) const = default;
};

QList<IconImage> IconImages(const QString& path) {
    const QByteArray ico = Contents(path);
    QList<IconImage> images;
    const int count = Word(ico, 4);
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * qsizetype(i);
        const int size = quint8(ico[entry]) == 0 ? 256 : quint8(ico[entry]);
        const qsizetype data = Dword(ico, entry + 12);
        // The depth that counts is the image's own header's, not the directory's claim.
        const bool png = ico.mid(data, 8) == QByteArray("\x89PNG\r\n\x1a\n", 8);
        images << IconImage{size,
                            png ? QStringLiteral("png") : QString::number(Word(ico, data + 14))};
    }
    return images;
}

}  // namespace

namespace QTest {
template <>
char* toString(const IconImage& image) {
    return qstrdup(qPrintable(QStringLiteral("%1 px %2").arg(image.size).arg(image.depth)));
}
}  // namespace QTest

namespace {

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void diagramIsAJpegAtNaturalSize() {
        QImageReader reader(QStringLiteral(":/pictures/diagram.jpg"));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.read().size(), QSize(486, 431));
    }

    void portraitIsA24BitBitmap() {
        const QByteArray bmp = Contents(QStringLiteral(":/pictures/author.bmp"));
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(qint32(Dword(bmp, 18)), 189);  // width
        QCOMPARE(qint32(Dword(bmp, 22)), 204);  // height, rows bottom up
        QCOMPARE(Word(bmp, 28), quint16(24));   // bits per pixel
        QCOMPARE(Dword(bmp, 30), quint32(0));   // uncompressed
        QCOMPARE(QImage::fromData(bmp).size(), QSize(189, 204));
    }

    void iconsHoldEverySizeAndDepth_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QList<IconImage>>("images");
        QTest::newRow("program") << ":/pictures/program.ico"
                                 << QList<IconImage>{{32, "4"},  {16, "4"},  {48, "8"},
                                                     {32, "8"},  {16, "8"},  {48, "32"},
                                                     {32, "32"}, {16, "32"}, {256, "png"}};
        QTest::newRow("emblem") << ":/pictures/emblem.ico"
                                << QList<IconImage>{{32, "4"}, {16, "4"}, {32, "8"}, {16, "8"}};
    }
    void iconsHoldEverySizeAndDepth() {
        QFETCH(QString, path);
        QFETCH(QList<IconImage>, images);
        QCOMPARE(IconImages(path), images);
        // And Qt reads every one of them.
        QImageReader reader(path);
        QCOMPARE(reader.imageCount(), images.size());
        for (const IconImage& image : images) {
            const QImage read = reader.read();
            QCOMPARE(read.size(), QSize(image.size, image.size));
            reader.jumpToNextImage();
        }
    }
};

}  // namespace

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
