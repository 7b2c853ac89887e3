// SPDX-License-Identifier: MIT
#include "messagebox.h"

#include "win32text.h"

#include <vector>

namespace platform::win32 {
namespace {

// A callback of the system's own calling convention, which on 32-bit Windows no lambda has.
BOOL CALLBACK addEnabledWindow(HWND window, LPARAM list)
{
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND> *>(list)->push_back(window);
    return TRUE;
}

} // namespace

void showProgramModalBox(HWND owner, std::u16string_view body, UINT style,
                         std::u16string_view title)
{
    std::vector<HWND> others;
    EnumThreadWindows(GetCurrentThreadId(), addEnabledWindow, reinterpret_cast<LPARAM>(&others));
    // The owner is the box's own business.
    std::erase(others, owner);
    for (const HWND window : others)
        EnableWindow(window, FALSE);
    MessageBoxW(owner, wide(body).c_str(), wide(title).c_str(), MB_OK | style);
    for (const HWND window : others) {
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    }
}

} // namespace platform::win32
