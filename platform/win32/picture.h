// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace platform::win32 {

// A picture carried in the executable's resources in a format the system decodes (the
// background is the baseline JPEG itself), as a bitmap the caller owns; null if it fails.
HBITMAP loadPictureResource(int identifier);

} // namespace platform::win32
