// SPDX-License-Identifier: MIT
#include "button.h"

#include <commctrl.h>

namespace platform::win32 {

ButtonControl::ButtonControl(const ControlDesign &design, HWND parent, int id, UINT dpi,
                             std::function<void()> changed)
    : ChildControl(design, std::move(changed))
{
    createWindow(WC_BUTTONW, BS_PUSHBUTTON, 0, parent, id, dpi);
    SetWindowSubclass(window(), subclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

bool ButtonControl::enabled() const
{
    return IsWindowEnabled(window()) != FALSE;
}

void ButtonControl::changeEnabled(bool enabled)
{
    EnableWindow(window(), enabled);
    changed();
}

void ButtonControl::notified(WORD code)
{
    if (code == BN_CLICKED && click_)
        click_();
}

LRESULT CALLBACK ButtonControl::subclassProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    const auto *button = reinterpret_cast<const ButtonControl *>(self);
    if (message == WM_GETOBJECT) {
        if (LRESULT object = button->accessibleObject(wParam, lParam))
            return object;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, subclassProc, 0);
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace platform::win32
