// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

// Where things go on a screen, the same on every backend: twips to pixels, the window's centre,
// and which of a picture's images a density takes.
namespace platform {

// Window geometry is laid out in twips, 1/1440 inch: 15 to the pixel at the design's 96 dots
// per inch.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDesignDpi = 96;
inline constexpr int kTwipsPerPixel = kTwipsPerInch / kDesignDpi;

// Twips as the nearest whole pixel at a density, halves away from zero. The scroll moves the
// credits by a third of a pixel, so a position is rarely whole.
inline int pixelsFromTwips(double twips, int dpi = kDesignDpi)
{
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

// Where a window of the given length starts to sit centred in an area, frame included.
constexpr int centredStart(int areaStart, int areaLength, int windowLength)
{
    return areaStart + (areaLength - windowLength) / 2;
}

// Each picture comes at 1x and at 2x: the 2x one serves every density above 100 %, so that
// nothing is drawn enlarged from the 1x one.
constexpr int pictureScale(double ratio)
{
    return ratio > 1 ? 2 : 1;
}

// An image's length in the screen's pixels: its own pixels, made at `scale`, drawn at `ratio`.
inline int pictureLength(int imagePixels, int scale, double ratio)
{
    return static_cast<int>(std::lround(imagePixels * ratio / scale));
}

} // namespace platform
