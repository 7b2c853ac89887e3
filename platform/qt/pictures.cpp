// SPDX-License-Identifier: MIT
#include "pictures.h"

#include <QPainter>
#include <QResource>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace platform::qt {

QImage rawPicture(const QString &path)
{
    // 16 bytes of header ("VRAW", width, height, QImage format), then 4 bytes a pixel.
    constexpr qint64 header = 16;
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() < header || std::memcmp(resource.data(), "VRAW", 4) != 0)
        return {};
    const uchar *data = resource.data();
    const auto width = qFromLittleEndian<quint32>(data + 4);
    const auto height = qFromLittleEndian<quint32>(data + 8);
    const auto format = static_cast<QImage::Format>(qFromLittleEndian<quint32>(data + 12));
    if (width == 0 || height == 0 || width > 16384 || height > 16384 ||
        resource.size() != header + qint64(width) * height * 4)
        return {};
    const QImage shared(data + header, int(width), int(height), int(width) * 4, format);
    // QImage wants its rows 4-byte aligned, which the resource compiler does not promise.
    return reinterpret_cast<quintptr>(data + header) % 4 == 0 ? shared : shared.copy();
}

QImage sharpImage(const QString &path, qreal ratio)
{
    if (ratio <= 1)
        return rawPicture(path);
    QImage image = rawPicture(path + QStringLiteral("@2x"));
    if (image.isNull())
        return rawPicture(path);
    if (ratio != 2) {
        const QSize size(static_cast<int>(std::lround(image.width() / 2.0 * ratio)),
                         static_cast<int>(std::lround(image.height() / 2.0 * ratio)));
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
