// SPDX-License-Identifier: MIT
#pragma once

#include <oleacc.h>
#include <optional>
#include <string>
#include <windows.h>

// EVENT_OBJECT_LIVEREGIONCHANGED, which the headers show from Windows 8 on.
constexpr DWORD kLiveRegionChanged = 0x8019;

using AccessibleText = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR *);

// What a screen reader reads of the object that an event names, or of a window's client area
// (OBJID_CLIENT, CHILDID_SELF): its name by default, as NVDA speaks a live region's. Nothing if
// there is no such object, empty if it has no such text.
inline std::optional<std::wstring> readAccessible(HWND window, LONG object, LONG child,
                                                  AccessibleText text = &IAccessible::get_accName)
{
    IAccessible *accessible = nullptr;
    VARIANT self;
    if (FAILED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object),
                                         static_cast<DWORD>(child), &accessible, &self)))
        return std::nullopt;
    std::wstring read;
    BSTR got = nullptr;
    if (SUCCEEDED((accessible->*text)(self, &got)) && got) {
        read.assign(got, SysStringLen(got));
        SysFreeString(got);
    }
    accessible->Release();
    return read;
}
