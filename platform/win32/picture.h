// SPDX-License-Identifier: MIT
#pragma once

#include <vector>
#include <windows.h>

namespace platform::win32 {

// A picture carried in the executable's resources as its committed file (RCDATA), decoded by
// the shared decoder into a 24-bit bitmap in memory, drawn with StretchDIBits: no codec of the
// system's, no COM.
class DecodedBitmap
{
public:
    explicit operator bool() const { return !bits_.empty(); }
    int width() const { return info_.bmiHeader.biWidth; }
    int height() const { return info_.bmiHeader.biHeight; }
    const BITMAPINFO *info() const { return &info_; }
    const void *bits() const { return bits_.data(); }

    // Empty if there is no such resource, or it is no picture the decoder reads.
    static DecodedBitmap fromResource(int identifier);

private:
    BITMAPINFO info_{};
    // Rows bottom-up, blue, green, red, each row padded to 4 bytes.
    std::vector<BYTE> bits_;
};

} // namespace platform::win32
