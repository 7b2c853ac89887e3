// SPDX-License-Identifier: MIT
#include "iconresource.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>

namespace {

void appendLittleEndian(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

int rowBytes(int bits)
{
    return ((bits + 31) / 32) * 4;
}

void appendBitmapHeader(QByteArray &out, int width, int height, int bits, int imageBytes)
{
    appendLittleEndian(out, 40, 4); // BITMAPINFOHEADER size
    appendLittleEndian(out, static_cast<quint32>(width), 4);
    appendLittleEndian(out, static_cast<quint32>(height * 2), 4); // colour and mask
    appendLittleEndian(out, 1, 2);                                // planes
    appendLittleEndian(out, static_cast<quint32>(bits), 2);
    appendLittleEndian(out, 0, 4); // no compression
    appendLittleEndian(out, static_cast<quint32>(imageBytes), 4);
    appendLittleEndian(out, 0, 4 * 4); // resolution and colours used: unused
}

// One bit per pixel, bottom-up, set where the pixel passes the test.
QByteArray bitPlane(const QImage &image, bool (*set)(QRgb))
{
    const int row = rowBytes(image.width());
    QByteArray out;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray bits(row, '\0');
        for (int x = 0; x < image.width(); ++x) {
            if (set(image.pixel(x, y)))
                bits[x / 8] = static_cast<char>(bits[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(bits);
    }
    return out;
}

} // namespace

QByteArray iconImageResource(const QImage &icon)
{
    const QImage image = icon.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int colourRow = rowBytes(width * 24);
    const int maskRow = rowBytes(width);

    QByteArray out;
    appendBitmapHeader(out, width, height, 24, (colourRow + maskRow) * height);

    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            row[3 * x] = static_cast<char>(qBlue(pixel));
            row[3 * x + 1] = static_cast<char>(qGreen(pixel));
            row[3 * x + 2] = static_cast<char>(qRed(pixel));
        }
        out.append(row);
    }
    // A set bit is transparent.
    out.append(bitPlane(image, [](QRgb pixel) { return qAlpha(pixel) == 0; }));
    return out;
}

QByteArray cursorFile(const QImage &pointer, const QPoint &hotSpot)
{
    const QImage image = pointer.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    // White where the colour bit is set; transparent where the mask bit is (colour bit clear).
    const QByteArray colour =
        bitPlane(image, [](QRgb pixel) { return qAlpha(pixel) != 0 && qGray(pixel) >= 128; });
    const QByteArray mask = bitPlane(image, [](QRgb pixel) { return qAlpha(pixel) == 0; });

    QByteArray bitmap;
    appendBitmapHeader(bitmap, width, height, 1, colour.size() + mask.size());
    appendLittleEndian(bitmap, 0x000000, 4); // palette: black,
    appendLittleEndian(bitmap, 0xFFFFFF, 4); // white
    bitmap.append(colour);
    bitmap.append(mask);

    QByteArray out;
    appendLittleEndian(out, 0, 2); // reserved
    appendLittleEndian(out, 2, 2); // a cursor
    appendLittleEndian(out, 1, 2); // one image
    out.append(static_cast<char>(width));
    out.append(static_cast<char>(height));
    appendLittleEndian(out, 2, 1); // colours
    appendLittleEndian(out, 0, 1);
    appendLittleEndian(out, static_cast<quint32>(hotSpot.x()), 2);
    appendLittleEndian(out, static_cast<quint32>(hotSpot.y()), 2);
    appendLittleEndian(out, static_cast<quint32>(bitmap.size()), 4);
    appendLittleEndian(out, 6 + 16, 4); // the image follows this one entry
    out.append(bitmap);
    return out;
}
