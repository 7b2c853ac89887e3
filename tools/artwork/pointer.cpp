// SPDX-License-Identifier: MIT
#include "pointer.h"

#include <QImage>
#include <array>

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
