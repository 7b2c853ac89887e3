// SPDX-License-Identifier: MIT
#include "picture.h"

namespace platform::win32 {

BitmapResource findBitmapResource(int identifier)
{
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(identifier), RT_BITMAP);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto *info = static_cast<const BITMAPINFO *>(loaded ? LockResource(loaded) : nullptr);
    // A bitmap resource is the file without its file header: the info header, then the rows.
    if (!info || SizeofResource(module, found) < sizeof(BITMAPINFOHEADER) ||
        info->bmiHeader.biBitCount != 24 || info->bmiHeader.biCompression != BI_RGB ||
        info->bmiHeader.biClrUsed != 0)
        return {};
    const auto *bits = reinterpret_cast<const BYTE *>(info) + info->bmiHeader.biSize;
    return {info, bits};
}

} // namespace platform::win32
