// SPDX-License-Identifier: MIT
// Turns a committed picture into the form the Qt build carries: its pixels as they will be drawn,
// so that the program reads them with no decoder and no image format plugin. The format is a
// 16-byte header ("VRAW", then width, height and QImage format as little-endian 32-bit numbers)
// and the rows, 4 bytes a pixel: RGB32 for an opaque picture, premultiplied ARGB32 otherwise.
// Usage: velmora_rawpicture <picture> <output>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <picture> <output>\n", argv[0]);
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                          : QImage::Format_RGB32);
    QByteArray header("VRAW");
    for (const quint32 value :
         {quint32(image.width()), quint32(image.height()), quint32(image.format())}) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        header.append(bytes, 4);
    }
    QFile output(QString::fromLocal8Bit(argv[2]));
    bool written = output.open(QIODevice::WriteOnly) && output.write(header) == header.size();
    for (int y = 0; written && y < image.height(); ++y) {
        const qint64 length = qint64(image.width()) * 4;
        written =
            output.write(reinterpret_cast<const char *>(image.constScanLine(y)), length) == length;
    }
    if (!written) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
