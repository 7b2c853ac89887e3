// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace platform::win32 {

// A 24-bit bitmap carried in the executable's resources (the committed JPEG as decoded, so
// that no codec is loaded), as a DIB section the caller owns; null if it fails.
HBITMAP loadBitmapResource(int identifier);

} // namespace platform::win32
