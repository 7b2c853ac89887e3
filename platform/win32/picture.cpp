// SPDX-License-Identifier: MIT
#include "picture.h"

#include "decodepicture.h"

#include <span>

namespace platform::win32 {
namespace {

// The resource's bytes where they lie in the loaded executable; empty if there is none.
std::span<const std::byte> resourceData(int identifier)
{
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(identifier), RT_RCDATA);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void *data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return {};
    return {static_cast<const std::byte *>(data), SizeofResource(module, found)};
}

} // namespace

DecodedBitmap DecodedBitmap::fromResource(int identifier)
{
    const auto picture = decodePicture(resourceData(identifier));
    if (!picture)
        return {};
    DecodedBitmap bitmap;
    BITMAPINFOHEADER &header = bitmap.info_.bmiHeader;
    header.biSize = sizeof(header);
    header.biWidth = picture->width;
    header.biHeight = picture->height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const std::size_t stride = (std::size_t(picture->width) * 3 + 3) / 4 * 4;
    bitmap.bits_.resize(stride * std::size_t(picture->height));
    const std::uint8_t *from = picture->rgba().data();
    for (int y = picture->height - 1; y >= 0; --y) {
        BYTE *to = bitmap.bits_.data() + stride * std::size_t(y);
        for (int x = 0; x < picture->width; ++x, from += 4, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
    return bitmap;
}

} // namespace platform::win32
