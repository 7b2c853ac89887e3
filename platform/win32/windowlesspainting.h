// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <windows.h>

namespace platform {
struct FormDesign;
}

namespace platform::win32 {

class FontCache;
class FormPictures;

// Paints the windowless controls of a container (the window itself for an empty name, or a
// picture box), as the old desktop drew them: the image and the labels, bottom of the z-order
// first, over whatever the container has painted.
void paintWindowless(HDC dc, const FormDesign &form, std::string_view container, UINT dpi,
                     FontCache &fonts, const FormPictures &pictures);

} // namespace platform::win32
