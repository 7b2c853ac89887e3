// SPDX-License-Identifier: MIT
#include "picturebox.h"

#include "dpi.h"
#include "formdesign.h"
#include "navigation.h"
#include "windowclass.h"

namespace platform::win32 {

PictureBoxControl::PictureBoxControl(const ControlDesign &design, HWND parent, int id, UINT dpi,
                                     std::function<void()> changed,
                                     std::function<void(HDC)> paintContents,
                                     std::u16string spokenName)
    : ChildControl(design, std::move(changed)), paintContents_(std::move(paintContents)),
      spokenName_(std::move(spokenName)), dpi_(dpi)
{
    createWindow(windowClass(kPictureBoxClassName, windowProc), WS_CLIPCHILDREN, 0, parent, id,
                 dpi);
}

std::u16string PictureBoxControl::spokenName() const
{
    return spokenName_;
}

float PictureBoxControl::top() const
{
    return top_.value_or(static_cast<float>(design().top));
}

void PictureBoxControl::moveTop(float twips)
{
    top_ = twips;
    place(dpi_);
    changed();
}

// No border and no scale of its own: the inner height is the design's, in twips, at every
// density. Read back from rounded pixels it would drift, and the scroll's cycle with it.
float PictureBoxControl::scaleHeight() const
{
    return static_cast<float>(design().height);
}

void PictureBoxControl::place(UINT dpi)
{
    dpi_ = dpi;
    SetWindowPos(window(), nullptr, pixelsAt(design().left, dpi), pixelsAt(top(), dpi),
                 pixelsAt(design().width, dpi), pixelsAt(design().height, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void PictureBoxControl::paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window(), &paint);
    const std::optional<Rgb> &colour = design().backColour;
    HBRUSH brush = CreateSolidBrush(colour ? RGB(colour->red, colour->green, colour->blue)
                                           : GetSysColor(COLOR_BTNFACE));
    FillRect(dc, &paint.rcPaint, brush);
    DeleteObject(brush);
    paintContents_(dc);
    EndPaint(window(), &paint);
    // First painted once its window is shown and active: heard after its title and the focus.
    if (!announced_ && !spokenName_.empty()) {
        announced_ = true;
        liveRegion_.changed(window());
    }
}

LRESULT CALLBACK PictureBoxControl::windowProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam)
{
    auto *box = dynamic_cast<PictureBoxControl *>(ChildControl::of(window));
    if (!box)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        box->paint();
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTTAB;
    case WM_KEYDOWN:
        if (wParam != VK_TAB)
            break;
        tabFrom(*box, GetKeyState(VK_SHIFT) < 0);
        return 0;
    case WM_GETOBJECT:
        if (LRESULT object = box->accessibleObject(wParam, lParam))
            return object;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace platform::win32
