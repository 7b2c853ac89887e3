// SPDX-License-Identifier: MIT
#pragma once

#include "picture.h"

#include <windows.h>

namespace platform::win32 {

// The pictures a window shows at its density: the background and the buttons' pointer, the 2x
// ones above 96 dots per inch; and its icons, the images drawn for the sizes the title bar and
// the taskbar take there (16 and 32 pixels at 96 dots per inch), never the 48-pixel one resized.
class FormPictures
{
public:
    FormPictures() = default;
    FormPictures(const FormPictures &) = delete;
    FormPictures &operator=(const FormPictures &) = delete;
    ~FormPictures();

    void load(UINT dpi);

    // The background unscaled from the box's top-left corner and cut off at its edges; between
    // 1x and 2x the 2x picture resized to the screen's pixels.
    void paintBackground(HDC dc, const RECT &box) const;
    HCURSOR pointingHand() const { return pointer_; }
    // Gives the window the icons of the density last loaded; those they replace are destroyed.
    void showIcons(HWND window) const;

private:
    UINT dpi_ = 96;
    // Decoded when first painted: a window without a picture never looks for it.
    mutable DecodedBitmap background_;
    mutable bool backgroundFound_ = false;
    // 2 where the background is the 2x picture.
    int scale_ = 1;
    HCURSOR pointer_ = nullptr;
    // Owned by the window they are set on until showIcons replaces them.
    HICON smallIcon_ = nullptr;
    HICON bigIcon_ = nullptr;
};

} // namespace platform::win32
