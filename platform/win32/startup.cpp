// SPDX-License-Identifier: MIT
#include "startup.h"

#include "navigation.h"
#include "numberformat.h"
#include "win32text.h"

#include <commctrl.h>
#include <windows.h>

namespace platform::win32 {
namespace {

std::u16string localeText(LCTYPE item, std::u16string_view fallback)
{
    wchar_t buffer[16] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, buffer, 16);
    if (length <= 1)
        return std::u16string(fallback);
    return utf16(std::wstring_view(buffer, static_cast<std::size_t>(length - 1)));
}

} // namespace

void initialise()
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // Windows leaves the positive sign empty where it is the usual "+".
    setUserNumberFormat({localeText(LOCALE_SDECIMAL, u"."), localeText(LOCALE_STHOUSAND, u","),
                         localeText(LOCALE_SNEGATIVESIGN, u"-"),
                         localeText(LOCALE_SPOSITIVESIGN, u"+"),
                         localeText(LOCALE_SCURRENCY, u"")});
}

int runMessageLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (dispatchDialogMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace platform::win32
