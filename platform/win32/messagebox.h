// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <windows.h>

namespace platform::win32 {

// The system's message box over `owner`, modal to the whole program and not only to its owner:
// behind it the user can neither use nor close another of our windows, whose timers keep
// ticking. Returns when the user dismisses it.
void showProgramModalBox(HWND owner, std::u16string_view body, UINT style,
                         std::u16string_view title);

} // namespace platform::win32
