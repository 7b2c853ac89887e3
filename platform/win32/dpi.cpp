// SPDX-License-Identifier: MIT
#include "dpi.h"

namespace platform::win32 {
namespace {

// Windows 7 and 8 lack these, so they are looked up rather than imported.
template <typename Function> Function user32Function(const char *name)
{
    static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(user32, name)));
}

} // namespace

UINT systemDpi()
{
    static const auto forSystem = user32Function<UINT(WINAPI *)()>("GetDpiForSystem");
    if (forSystem)
        return forSystem();
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

int systemMetric(int index, UINT dpi)
{
    static const auto forDpi = user32Function<int(WINAPI *)(int, UINT)>("GetSystemMetricsForDpi");
    if (forDpi)
        return forDpi(index, dpi);
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(systemDpi()));
}

void adjustWindowRect(RECT &rect, DWORD style, DWORD extendedStyle, UINT dpi)
{
    static const auto forDpi = user32Function<BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT)>(
        "AdjustWindowRectExForDpi");
    if (!forDpi || !forDpi(&rect, style, FALSE, extendedStyle, dpi))
        AdjustWindowRectEx(&rect, style, FALSE, extendedStyle);
}

} // namespace platform::win32
