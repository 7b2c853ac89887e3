// SPDX-License-Identifier: MIT
#include "pointer.h"

#include <QImage>
#include <array>
#include <cstring>

namespace {

// Drawn pixel by pixel: a two-colour pointer has no room for anti-aliasing.
// B black, W white, anything else transparent.
// clang-format off
constexpr std::array<const char *, 24> kHand = {
    ".....BB.........", // the fingertip: hot spot at x 5, y 0
    "....BWWB........",
    "....BWWB........",
    "....BWWB........",
    "....BWWB........",
    "....BWWBBB......",
    "....BWWBWWBBB...",
    "....BWWBWWBWWBB.",
    "....BWWBWWBWWBWB",
    ".BB.BWWBWWBWWBWB",
    "BWWBBWWWWWWWWBWB",
    "BWWWBWWWWWWWWWWB",
    ".BWWBWWWWWWWWWWB",
    "..BWWWWWWWWWWWWB",
    "..BWWWWWWWWWWWWB",
    "...BWWWWWWWWWWWB",
    "...BWWWWWWWWWWB.",
    "....BWWWWWWWWWB.",
    "....BWWWWWWWWWB.",
    ".....BWWWWWWWB..",
    ".....BWWWWWWWB..",
    ".....BWWWWWWWB..",
    ".....BBBBBBBBB..",
    "................",
};
// clang-format on

} // namespace

namespace {

char cell(int x, int y)
{
    if (y < 0 || y >= static_cast<int>(kHand.size()) || x < 0 ||
        x >= static_cast<int>(std::strlen(kHand[y])))
        return '.';
    return kHand[y][x];
}

} // namespace

QImage drawPointingHand()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < static_cast<int>(kHand.size()); ++y) {
        for (int x = 0; kHand[y][x] != '\0'; ++x) {
            if (kHand[y][x] == 'B')
                image.setPixel(x, y, qRgb(0, 0, 0));
            else if (kHand[y][x] == 'W')
                image.setPixel(x, y, qRgb(255, 255, 255));
        }
    }
    return image;
}

QImage drawPointingHandDouble()
{
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    // Each cell becomes 2 x 2 pixels, but an outline keeps one pixel's width: the half of a
    // black cell that faces white turns white, unless white lies on both sides (a line between
    // two fingers), where only its left or upper half does.
    for (int y = 0; y < static_cast<int>(kHand.size()); ++y) {
        for (int x = 0; kHand[y][x] != '\0'; ++x) {
            for (int j = 0; j < 2; ++j) {
                for (int i = 0; i < 2; ++i) {
                    QRgb colour = 0;
                    if (cell(x, y) == 'W') {
                        colour = qRgb(255, 255, 255);
                    } else if (cell(x, y) == 'B') {
                        const int dx = i ? 1 : -1;
                        const int dy = j ? 1 : -1;
                        const bool whiteSide =
                            (cell(x + dx, y) == 'W' && (cell(x - dx, y) != 'W' || i == 0)) ||
                            (cell(x, y + dy) == 'W' && (cell(x, y - dy) != 'W' || j == 0));
                        colour = whiteSide ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
                    }
                    if (colour)
                        image.setPixel(2 * x + i, 2 * y + j, colour);
                }
            }
        }
    }
    // White never touches the transparent outside: the outline closes around the corners.
    const QImage drawn = image;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            if (drawn.pixel(x, y) != qRgb(255, 255, 255))
                continue;
            for (int n = 0; n < 9; ++n) {
                const int nx = x + n % 3 - 1;
                const int ny = y + n / 3 - 1;
                if (nx < 0 || ny < 0 || nx >= 64 || ny >= 64 || qAlpha(drawn.pixel(nx, ny)) == 0) {
                    image.setPixel(x, y, qRgb(0, 0, 0));
                    break;
                }
            }
        }
    }
    return image;
}
