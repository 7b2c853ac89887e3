// SPDX-License-Identifier: MIT
#include "pictures.h"

#include <QImageReader>
#include <QPainter>
#include <cmath>

namespace platform::qt {

QPixmap loadPng(const QString &path)
{
    // Left to guess, the reader would load every image format plugin to ask each whether it
    // reads the file; told the format, it uses the built-in PNG reader alone.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QPixmap sharpPixmap(const QString &path, qreal ratio)
{
    if (ratio <= 1)
        return loadPng(path);
    const int dot = static_cast<int>(path.lastIndexOf(QLatin1Char('.')));
    QPixmap pixmap = loadPng(path.left(dot) + QStringLiteral("@2x") + path.mid(dot));
    if (pixmap.isNull())
        return loadPng(path);
    if (ratio != 2) {
        const QSize size(static_cast<int>(std::lround(pixmap.width() / 2.0 * ratio)),
                         static_cast<int>(std::lround(pixmap.height() / 2.0 * ratio)));
        pixmap = pixmap.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

PictureImage::PictureImage(const QString &path, QWidget *parent) : QWidget(parent), path_(path) {}

void PictureImage::paintEvent(QPaintEvent *)
{
    // Looked up here: the window may have moved to a screen of another density.
    const qreal ratio = devicePixelRatioF();
    if (pixmap_.isNull() || pixmap_.devicePixelRatio() != ratio)
        pixmap_ = sharpPixmap(path_, ratio);
    QPainter(this).drawPixmap(0, 0, pixmap_);
}

} // namespace platform::qt
