// SPDX-License-Identifier: MIT
// Comparing a window's icon with the icon file it was meant to show.
#pragma once

#include <QIcon>
#include <QImageReader>
#include <QList>
#include <QString>

namespace test {

// What is wrong with `icon` as a showing of the .ico file at `path`: it must offer at least one
// size, and at every size it offers one of the file's images, pixel for pixel. Empty when
// nothing is.
inline QString IconMismatch(const QIcon& icon, const QString& path) {
    QImageReader reader(path);
    QList<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        images << reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    if (icon.availableSizes().isEmpty()) {
        return QStringLiteral("the window has no icon");
    }
    for (const QSize size : icon.availableSizes()) {
        const QImage shown =
            icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (!images.contains(shown)) {
            return QStringLiteral("the %1 px image is none of %2's").arg(size.width()).arg(path);
        }
    }
    return {};
}

}  // namespace test
