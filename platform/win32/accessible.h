// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <windows.h>

namespace platform::win32 {

// The answer to WM_GETOBJECT for a control whose name the system cannot find, its labels
// being painted rather than windows: the system's own accessible object for the control's
// client area, with the given name and description. An empty one leaves the system's.
// Returns 0, for the default handling, for anything else or if oleacc.dll cannot be loaded;
// it is loaded on the first call, so that start-up does not pay for it.
LRESULT answerGetObject(HWND window, WPARAM wParam, LPARAM lParam, const std::wstring &name,
                        const std::wstring &description);

} // namespace platform::win32
