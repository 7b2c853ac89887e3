// SPDX-License-Identifier: MIT
#pragma once

#include "formdesign.h"

#include <utility>
#include <vector>
#include <windows.h>

namespace platform::win32 {

// The fonts a window's controls draw with, made once per design font at the window's density
// and deleted with the window.
class FontCache
{
public:
    FontCache() = default;
    FontCache(const FontCache &) = delete;
    FontCache &operator=(const FontCache &) = delete;
    ~FontCache();

    HFONT font(const FontDesign &wanted, UINT dpi);
    // The fonts made so far, handed over to be deleted once no control draws with them.
    FontCache takeAll();

private:
    FontCache(FontCache &&other) noexcept : fonts_(std::exchange(other.fonts_, {})) {}

    std::vector<std::pair<FontDesign, HFONT>> fonts_;
};

} // namespace platform::win32
