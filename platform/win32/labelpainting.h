// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace platform {
struct ControlDesign;
struct FontDesign;
} // namespace platform

namespace platform::win32 {

// Paints a windowless label into its container: the lines the shared rule made of its text
// (labellines.h), each drawn as it is from the box's top, one text height below the other, cut
// at the box's bottom. A line may run past the box's right edge rather than lose its end: the
// rule measures at the design's point size, and 8 points are 11 whole pixels at 96 dots per inch.
void paintLabel(HDC dc, const RECT &box, const ControlDesign &label, const FontDesign &windowFont,
                HFONT font);

} // namespace platform::win32
