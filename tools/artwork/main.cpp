// SPDX-License-Identifier: MIT
// Draws Velmora's pictures into the source tree: velmora_artwork <source directory>.
#include "background.h"
#include "icon.h"
#include "iconresource.h"
#include "pointer.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPoint>
#include <cstdio>

namespace {

bool save(const QImage &image, const QString &path, int quality = -1)
{
    QImageWriter writer(path);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

bool saveBytes(const QByteArray &bytes, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora_artwork <source directory>\n");
        return 2;
    }
    const QDir source(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    // Baseline JPEG with 4:2:0 subsampling is what Qt's writer makes by default.
    // Each picture also at twice the size, "@2x", for screens at twice the density.
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        const QString jpeg =
            source.filePath(QStringLiteral("main_window/background%1.jpg").arg(suffix));
        ok &= save(drawBackground(scale), jpeg, 90);
        const QImage hand = scale == 1 ? drawPointingHand() : drawPointingHandDouble();
        ok &= save(hand,
                   source.filePath(QStringLiteral("main_window/pointing_hand%1.png").arg(suffix)));
        ok &= saveBytes(
            cursorFile(hand, QPoint(5 * scale, 0)),
            source.filePath(QStringLiteral("main_window/pointing_hand%1.cur").arg(suffix)));
    }
    // The desktop's usual sizes; 48 is also the Windows program's icon.
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon = drawApplicationIcon(size);
        const QString name =
            size == 48 ? QStringLiteral("velmora") : QStringLiteral("velmora-%1").arg(size);
        ok &= save(icon, source.filePath(QStringLiteral("shell/%1.png").arg(name)));
        if (size <= 64)
            ok &= saveBytes(iconImageResource(icon),
                            source.filePath(QStringLiteral("shell/%1-icon.bin").arg(name)));
    }
    return ok ? 0 : 1;
}
