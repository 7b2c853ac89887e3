// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "decodepicture.h"
#include "geometry.h"

#include <QPainter>
#include <QResource>
#include <span>

namespace platform::qt {

QImage resourcePicture(const QString &path)
{
    const QResource resource(path);
    if (!resource.isValid())
        return {};
    // Stored uncompressed, so this is the program's own copy of the file.
    const QByteArray bytes = resource.uncompressedData();
    const auto decoded =
        decodePicture(std::as_bytes(std::span(bytes.constData(), std::size_t(bytes.size()))));
    if (!decoded)
        return {};
    // Converted from where the decoder wrote it, once, to a format the screen is drawn from
    // without further conversion.
    const QImage image(decoded->pixels.get(), decoded->width, decoded->height, decoded->width * 4,
                       QImage::Format_RGBA8888);
    return image.convertToFormat(decoded->hasAlpha ? QImage::Format_ARGB32_Premultiplied
                                                   : QImage::Format_RGB32);
}

QImage sharpImage(const QString &path, qreal ratio)
{
    const int scale = pictureScale(ratio);
    if (scale == 1)
        return resourcePicture(path);
    QImage image = resourcePicture(path + QStringLiteral("@2x"));
    if (image.isNull())
        return resourcePicture(path);
    if (ratio != scale) {
        const QSize size(pictureLength(image.width(), scale, ratio),
                         pictureLength(image.height(), scale, ratio));
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

PictureImage::PictureImage(const QString &path, QWidget *parent) : QWidget(parent), path_(path) {}

void PictureImage::paintEvent(QPaintEvent *)
{
    // Looked up here: the window may have moved to a screen of another density.
    const qreal ratio = devicePixelRatioF();
    if (image_.isNull() || image_.devicePixelRatio() != ratio)
        image_ = sharpImage(path_, ratio);
    QPainter(this).drawImage(0, 0, image_);
}

} // namespace platform::qt
