// SPDX-License-Identifier: MIT
#include "activation.h"

#include <map>

namespace platform::win32 {
namespace {

// Long enough for the window manager to have taken the window as an icon, which Wine does not
// wait for: restored earlier, it is mapped again before it was ever minimised, and not activated.
constexpr UINT kIconicMilliseconds = 100;

void restore(HWND window)
{
    ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
}

// Where each window stood before it was shown minimised: the window manager maps a restored
// window where it likes (the screen's corner), and the window goes back to its own place.
std::map<HWND, POINT> placeBeforeIcon;

void CALLBACK restoreNow(HWND window, UINT, UINT_PTR id, DWORD)
{
    KillTimer(window, id);
    restore(window);
    if (const auto place = placeBeforeIcon.extract(window))
        SetWindowPos(window, nullptr, place.mapped().x, place.mapped().y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void showActive(HWND window)
{
    const bool tool = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    if (!IsWindowVisible(window) && !tool) {
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        return;
    }
    if (IsIconic(window)) {
        restore(window);
        return;
    }
    // Hidden first, so that it is mapped again as an icon rather than iconified while mapped,
    // which a restore that comes too early would leave as an icon for good.
    RECT place;
    GetWindowRect(window, &place);
    placeBeforeIcon[window] = {place.left, place.top};
    ShowWindow(window, SW_HIDE);
    ShowWindow(window, SW_SHOWMINNOACTIVE);
    SetTimer(window, reinterpret_cast<UINT_PTR>(&restoreNow), kIconicMilliseconds, restoreNow);
}

} // namespace platform::win32
