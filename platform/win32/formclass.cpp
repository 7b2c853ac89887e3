// SPDX-License-Identifier: MIT
#include "formclass.h"

namespace platform::win32 {

const wchar_t *formClass(WNDPROC windowProc)
{
    static const bool registered = [windowProc] {
        WNDCLASSEXW form{};
        form.cbSize = sizeof(form);
        form.lpfnWndProc = windowProc;
        form.hInstance = GetModuleHandleW(nullptr);
        form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        form.lpszClassName = kFormClassName;
        return RegisterClassExW(&form) != 0;
    }();
    return registered ? kFormClassName : nullptr;
}

} // namespace platform::win32
