// SPDX-License-Identifier: MIT
#include "icon.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kRim(58, 38, 4);

QPainterPath nameFittedTo(const QRectF &box)
{
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setPixelSize(64);
    font.setWeight(QFont::Black);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, QStringLiteral("VELMORA"));
    const QRectF bounds = path.boundingRect();
    QTransform fit;
    fit.translate(box.left(), box.top());
    fit.scale(box.width() / bounds.width(), box.height() / bounds.height());
    fit.translate(-bounds.left(), -bounds.top());
    return fit.map(path);
}

} // namespace

QImage drawApplicationIcon(int size)
{
    // Drawn large and scaled down, so that the letters keep their weight at 48 pixels. The
    // figures below are for 48 pixels, in units of `scale` canvas pixels.
    const qreal big = size * 8;
    const qreal scale = big / 48;
    QImage canvas(size * 8, size * 8, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF disc(scale * 0.5, scale * 0.5, big - scale, big - scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRim);
    painter.drawEllipse(disc);

    const QRectF face = disc.adjusted(scale * 3, scale * 3, -scale * 3, -scale * 3);
    QRadialGradient gold(face.center() - QPointF(face.width() * 0.18, face.height() * 0.22),
                         face.width() * 0.75);
    gold.setColorAt(0.0, QColor(255, 240, 150));
    gold.setColorAt(0.55, QColor(246, 196, 40));
    gold.setColorAt(1.0, QColor(196, 136, 8));
    painter.setBrush(gold);
    painter.drawEllipse(face);

    // A thin bright bevel just inside the rim.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 226, 120), scale * 0.8));
    painter.drawEllipse(face.adjusted(scale * 0.6, scale * 0.6, -scale * 0.6, -scale * 0.6));

    const QRectF textBox(face.left() + scale * 1.5, face.center().y() - scale * 5,
                         face.width() - scale * 3, scale * 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(nameFittedTo(textBox));
    painter.end();

    QImage icon = canvas.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_ARGB32);
    // One bit of transparency: the edge pixels take the rim's colour and become opaque.
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = icon.pixel(x, y);
            const int alpha = qAlpha(pixel);
            if (alpha < 96) {
                icon.setPixel(x, y, qRgba(0, 0, 0, 0));
            } else if (alpha < 255) {
                const auto over = [alpha](int colour, int matte) {
                    return (colour * alpha + matte * (255 - alpha)) / 255;
                };
                icon.setPixel(x, y,
                              qRgb(over(qRed(pixel), kRim.red()), over(qGreen(pixel), kRim.green()),
                                   over(qBlue(pixel), kRim.blue())));
            }
        }
    }
    return icon;
}
