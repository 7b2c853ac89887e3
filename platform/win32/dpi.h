// SPDX-License-Identifier: MIT
#pragma once

#include "geometry.h"

#include <windows.h>

namespace platform::win32 {

constexpr UINT kDesignDpi = platform::kDesignDpi;

inline int pixelsAt(double twips, UINT dpi)
{
    return pixelsFromTwips(twips, static_cast<int>(dpi));
}

// The density new windows start at, before they know their monitor.
UINT systemDpi();

// A system metric (an icon's size) at the given density: the system's own where it has them,
// else the one at the system's density scaled.
int systemMetric(int index, UINT dpi);

// AdjustWindowRectEx with the frame's metrics at the given density where the system has them.
void adjustWindowRect(RECT &rect, DWORD style, DWORD extendedStyle, UINT dpi);

} // namespace platform::win32
