// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace platform::win32 {

// The design's 96 dots per inch, at which a pixel is 15 twips.
constexpr UINT kDesignDpi = 96;

// Twips as pixels at the given density, rounded to the nearest.
inline int pixelsAt(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// The density new windows start at, before they know their monitor.
UINT systemDpi();

// A system metric (an icon's size) at the given density: the system's own where it has them,
// else the one at the system's density scaled.
int systemMetric(int index, UINT dpi);

// AdjustWindowRectEx with the frame's metrics at the given density where the system has them.
void adjustWindowRect(RECT &rect, DWORD style, DWORD extendedStyle, UINT dpi);

} // namespace platform::win32
