// SPDX-License-Identifier: MIT
#pragma once

#include <oleacc.h>
#include <optional>
#include <string>
#include <windows.h>

// EVENT_OBJECT_LIVEREGIONCHANGED, which the headers show from Windows 8 on.
constexpr DWORD kLiveRegionChanged = 0x8019;

// The name of the object an event comes from, read as a screen reader that follows live regions
// reads it when the event reaches it (NVDA speaks it): nothing if there is no such object, empty
// if it has no name.
inline std::optional<std::wstring> eventObjectName(HWND window, LONG object, LONG child)
{
    IAccessible *accessible = nullptr;
    VARIANT self;
    if (FAILED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object),
                                         static_cast<DWORD>(child), &accessible, &self)))
        return std::nullopt;
    std::wstring name;
    BSTR text = nullptr;
    if (SUCCEEDED(accessible->get_accName(self, &text)) && text) {
        name.assign(text, SysStringLen(text));
        SysFreeString(text);
    }
    accessible->Release();
    return name;
}
