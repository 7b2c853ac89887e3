// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

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

} // namespace platform
