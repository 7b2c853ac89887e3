// SPDX-License-Identifier: MIT
#include "picture.h"

namespace platform::win32 {

HBITMAP loadBitmapResource(int identifier)
{
    // A DIB section keeps the colours exactly, whatever the screen's colour depth.
    return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(identifier),
                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

} // namespace platform::win32
