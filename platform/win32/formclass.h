// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace platform::win32 {

inline constexpr wchar_t kFormClassName[] = L"VelmoraForm";

// The window class of our windows, registered once. Each window is given the icons of its own
// density (formpictures.h).
const wchar_t *formClass(WNDPROC windowProc);

} // namespace platform::win32
