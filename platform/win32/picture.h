// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace platform::win32 {

// A 24-bit bitmap carried in the executable's resources (the committed JPEG as decoded, so that
// no codec is loaded), read where it lies in the loaded executable: nothing is copied.
struct BitmapResource
{
    const BITMAPINFO *info = nullptr;
    const void *bits = nullptr;

    explicit operator bool() const { return info != nullptr; }
    int width() const { return info->bmiHeader.biWidth; }
    // Rows stored bottom-up give a positive height, top-down a negative one.
    int height() const
    {
        return info->bmiHeader.biHeight < 0 ? -info->bmiHeader.biHeight : info->bmiHeader.biHeight;
    }
};

// Empty if there is no such bitmap, or it is not uncompressed 24-bit.
BitmapResource findBitmapResource(int identifier);

} // namespace platform::win32
