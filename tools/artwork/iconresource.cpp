// SPDX-License-Identifier: MIT
#include "iconresource.h"

#include <QByteArray>
#include <QImage>

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

} // namespace

QByteArray iconImageResource(const QImage &icon)
{
    const QImage image = icon.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int colourRow = rowBytes(width * 24);
    const int maskRow = rowBytes(width);

    QByteArray out;
    appendLittleEndian(out, 40, 4); // BITMAPINFOHEADER size
    appendLittleEndian(out, static_cast<quint32>(width), 4);
    appendLittleEndian(out, static_cast<quint32>(height * 2), 4); // colour and mask
    appendLittleEndian(out, 1, 2);                                // planes
    appendLittleEndian(out, 24, 2);                               // bits per pixel
    appendLittleEndian(out, 0, 4);                                // no compression
    appendLittleEndian(out, static_cast<quint32>((colourRow + maskRow) * height), 4);
    appendLittleEndian(out, 0, 4 * 4); // resolution and palette: unused

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
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) // a set bit is transparent
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}
