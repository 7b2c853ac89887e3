// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

namespace platform {

// Window geometry was laid out in twips, 1/1440 inch: 15 to the pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// The nearest whole pixel of a position in twips.
inline int pixelsFromTwips(float twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

} // namespace platform
