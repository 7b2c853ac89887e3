// SPDX-License-Identifier: MIT
#include "formpictures.h"

#include "dpi.h"
#include "resourceids.h"

#include <utility>

namespace platform::win32 {

namespace {

// From the icon that holds every size the program's icon is drawn in; icon group 1, the
// executable's, holds the 48-pixel one alone.
HICON programIcon(int metric, UINT dpi)
{
    const int size = systemMetric(metric, dpi);
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                         MAKEINTRESOURCEW(VELMORA_ICON_SIZES), IMAGE_ICON, size,
                                         size, 0));
}

} // namespace

FormPictures::~FormPictures()
{
    if (pointer_)
        DestroyCursor(pointer_);
    for (const HICON icon : {smallIcon_, bigIcon_}) {
        if (icon)
            DestroyIcon(icon);
    }
}

void FormPictures::load(UINT dpi)
{
    dpi_ = dpi;
    scale_ = pictureScale(static_cast<double>(dpi) / kDesignDpi);
    const bool dense = scale_ == 2;
    background_ = {};
    backgroundFound_ = false;
    if (pointer_)
        DestroyCursor(pointer_);
    // Two-colour pointers are resized without blending: the 2x one to the screen's size.
    const int size = pixelsAt(32 * kTwipsPerPixel, dpi);
    pointer_ = static_cast<HCURSOR>(
        LoadImageW(GetModuleHandleW(nullptr),
                   MAKEINTRESOURCEW(dense ? VELMORA_POINTING_HAND_2X : VELMORA_POINTING_HAND),
                   IMAGE_CURSOR, size, size, 0));
    smallIcon_ = programIcon(SM_CXSMICON, dpi);
    bigIcon_ = programIcon(SM_CXICON, dpi);
}

void FormPictures::showIcons(HWND window) const
{
    for (const auto &[kind, icon] : {std::pair{ICON_SMALL, smallIcon_}, {ICON_BIG, bigIcon_}}) {
        const auto replaced = reinterpret_cast<HICON>(
            SendMessageW(window, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon)));
        if (replaced && replaced != icon)
            DestroyIcon(replaced);
    }
}

void FormPictures::paintBackground(HDC dc, const RECT &box) const
{
    if (!backgroundFound_) {
        background_ = DecodedBitmap::fromResource(scale_ == 2 ? VELMORA_BACKGROUND_PICTURE_2X
                                                              : VELMORA_BACKGROUND_PICTURE);
        backgroundFound_ = true;
    }
    if (!background_)
        return;
    const int density = static_cast<int>(kDesignDpi) * scale_;
    const int width = background_.width();
    const int height = background_.height();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    if (static_cast<int>(dpi_) != density) {
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
    }
    const double ratio = static_cast<double>(dpi_) / kDesignDpi;
    StretchDIBits(dc, box.left, box.top, pictureLength(width, scale_, ratio),
                  pictureLength(height, scale_, ratio), 0, 0, width, height, background_.bits(),
                  background_.info(), DIB_RGB_COLORS, SRCCOPY);
    RestoreDC(dc, saved);
}

} // namespace platform::win32
