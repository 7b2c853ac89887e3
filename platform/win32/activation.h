// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace platform::win32 {

// Shows a top-level window of ours, restored if it was minimised, as the active window with the
// keyboard focus, so that Alt+F4 closes it; returns at once.
//
// On Windows showing or restoring a window activates it. Under Wine 8 with an X window manager,
// making a window the foreground one stays inside Wine: Wine asks the window manager nothing for
// a window that is already shown, and openbox does not focus a tool window that it maps. What
// the window manager does activate is a window that is restored from minimised, as the user's
// wish. So a window that is already shown, or a tool window, is shown minimised and restored a
// moment later, once the window manager has taken it as an icon; on Windows that restore is the
// activation.
void showActive(HWND window);

} // namespace platform::win32
