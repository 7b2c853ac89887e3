// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace platform::win32 {

inline constexpr wchar_t kFormClassName[] = L"VelmoraForm";

// The window class of our windows, registered once, with the program's icon at the density
// the first window starts at.
const wchar_t *formClass(WNDPROC windowProc, UINT dpi);

} // namespace platform::win32
