// SPDX-License-Identifier: MIT
// Comparing a window's icon with the icon file it was meant to show.
#pragma once

#include <QIcon>
#include <QImageReader>
#include <QList>
#include <QString>

namespace test {

// What is wrong with `icon` as a showing of the .ico file at `path`: it must offer the file's
// sizes, and at each of them one of the file's images, pixel for pixel. Empty when nothing is.
inline QString IconMismatch(const QIcon& icon, const QString& path) {
    QImageReader reader(path);
    QList<QImage> images;
    QList<QSize> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        images << reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (!sizes.contains(images.last().size())) {
            sizes << images.last().size();
        }
    }
    if (icon.availableSizes() != sizes) {
        return QStringLiteral("the icon offers %1 sizes where %2 has %3")
            .arg(icon.availableSizes().size())
            .arg(path)
            .arg(sizes.size());
    }
    for (const QSize size : sizes) {
        if (!images.contains(
                icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied))) {
            return QStringLiteral("the %1 px image is none of %2's").arg(size.width()).arg(path);
        }
    }
    return {};
}

}  // namespace test
