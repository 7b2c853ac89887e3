// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace platform::win32 {

inline constexpr wchar_t kFormClassName[] = L"VelmoraForm";
inline constexpr wchar_t kPictureBoxClassName[] = L"VelmoraPictureBox";

// A window class of ours, with the arrow pointer, registered on first use; its name, or none if
// it could not be registered. Each form is given the icons of its own density (formpictures.h).
const wchar_t *windowClass(const wchar_t *name, WNDPROC windowProc);

} // namespace platform::win32
