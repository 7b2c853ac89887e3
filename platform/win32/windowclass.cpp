// SPDX-License-Identifier: MIT
#include "windowclass.h"

namespace platform::win32 {

const wchar_t *windowClass(const wchar_t *name, WNDPROC windowProc)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW registered{};
    registered.cbSize = sizeof(registered);
    if (GetClassInfoExW(instance, name, &registered))
        return name;
    registered.lpfnWndProc = windowProc;
    registered.hInstance = instance;
    registered.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    registered.lpszClassName = name;
    return RegisterClassExW(&registered) != 0 ? name : nullptr;
}

} // namespace platform::win32
