// SPDX-License-Identifier: MIT
#include "ui/qt/window_icon.h"

#include <QImageReader>
#include <QPixmap>
#include <QWidget>

#include "ui/qt/say_missing.h"

namespace ui {

// QIcon(path) would decode every image of the file and hand them all, 256 pixels included,
// to the X server: at start-up that costs more than the rest of the window's pictures. The
// reader tells each image's size and depth from the file's directory, without decoding it.
QIcon WindowIcon(const QString& icoPath, const QWidget& window) {
    constexpr int kLargestDrawn = 48;
    const bool scaled = window.devicePixelRatioF() > 1.5;
    QImageReader reader(icoPath);
    int largest = 0;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        largest = std::max(largest, reader.size().width());
    }
    QIcon icon;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const int side = reader.size().width();
        if (reader.imageFormat() == QImage::Format_ARGB32 &&
            (side <= kLargestDrawn || (scaled && side == largest))) {
            icon.addPixmap(QPixmap::fromImage(reader.read()));
        }
    }
    if (icon.isNull() && reader.imageCount() > 0) {
        icon = QIcon(icoPath);
    }
    if (icon.isNull()) {
        SayUndecodable(QStringLiteral("icon"), icoPath.section(QLatin1Char('/'), -1));
    }
    return icon;
}

}  // namespace ui
