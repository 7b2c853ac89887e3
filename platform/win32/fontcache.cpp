// SPDX-License-Identifier: MIT
#include "fontcache.h"

#include "win32text.h"

#include <cmath>

namespace platform::win32 {

FontCache::~FontCache()
{
    for (const auto &[design, font] : fonts_)
        DeleteObject(font);
}

HFONT FontCache::font(const FontDesign &wanted, UINT dpi)
{
    for (const auto &[font, handle] : fonts_) {
        if (font.face == wanted.face && font.points == wanted.points && font.bold == wanted.bold)
            return handle;
    }
    const int height = -static_cast<int>(std::lround(wanted.points * dpi / 72.0));
    HFONT handle =
        CreateFontW(height, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                    ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, wide(wanted.face).c_str());
    fonts_.emplace_back(wanted, handle);
    return handle;
}

FontCache FontCache::takeAll()
{
    return FontCache(std::move(*this));
}

} // namespace platform::win32
