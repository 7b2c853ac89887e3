// SPDX-License-Identifier: MIT
#include "formclass.h"

#include "dpi.h"
#include "resourceids.h"

namespace platform::win32 {

const wchar_t *formClass(WNDPROC windowProc, UINT dpi)
{
    static const bool registered = [windowProc, dpi] {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW form{};
        form.cbSize = sizeof(form);
        form.lpfnWndProc = windowProc;
        form.hInstance = instance;
        form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        // At 96 dots per inch the one 48-pixel image, resized, as ever; denser screens take the
        // image of their size from the icon that holds every size.
        const int icon = dpi > kDesignDpi ? VELMORA_ICON_SIZES : 1;
        form.hIcon = dpi > kDesignDpi
                         ? static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(icon),
                                                         IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                         GetSystemMetrics(SM_CYICON), 0))
                         : LoadIconW(instance, MAKEINTRESOURCEW(1));
        form.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(icon), IMAGE_ICON,
                                                     GetSystemMetrics(SM_CXSMICON),
                                                     GetSystemMetrics(SM_CYSMICON), 0));
        form.lpszClassName = kFormClassName;
        return RegisterClassExW(&form) != 0;
    }();
    return registered ? kFormClassName : nullptr;
}

} // namespace platform::win32
