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
    ok &= save(drawBackground(), source.filePath(QStringLiteral("main_window/background.jpg")), 90);
    const QImage hand = drawPointingHand();
    ok &= save(hand, source.filePath(QStringLiteral("main_window/pointing_hand.png")));
    ok &= saveBytes(cursorFile(hand, QPoint(5, 0)),
                    source.filePath(QStringLiteral("main_window/pointing_hand.cur")));
    const QImage icon = drawApplicationIcon();
    ok &= save(icon, source.filePath(QStringLiteral("shell/velmora.png")));
    ok &= saveBytes(iconImageResource(icon),
                    source.filePath(QStringLiteral("shell/velmora-icon.bin")));
    return ok ? 0 : 1;
}
