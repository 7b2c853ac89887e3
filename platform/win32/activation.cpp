// SPDX-License-Identifier: MIT
#include "activation.h"

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

void CALLBACK restoreNow(HWND window, UINT, UINT_PTR id, DWORD)
{
    KillTimer(window, id);
    restore(window);
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
    ShowWindow(window, SW_HIDE);
    ShowWindow(window, SW_SHOWMINNOACTIVE);
    SetTimer(window, reinterpret_cast<UINT_PTR>(&restoreNow), kIconicMilliseconds, restoreNow);
}

} // namespace platform::win32
