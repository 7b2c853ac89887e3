// SPDX-License-Identifier: MIT
#include "tooltips.h"

#include "childcontrol.h"
#include "formdesign.h"
#include "win32text.h"

#include <commctrl.h>

namespace platform::win32 {

void ToolTips::makeOnce(HWND owner, std::span<const std::unique_ptr<ChildControl>> controls)
{
    if (window_)
        return;
    window_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    for (const std::unique_ptr<ChildControl> &control : controls) {
        if (control->design().toolTip.empty())
            continue;
        std::wstring text = wide(control->design().toolTip);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = owner;
        tool.uId = reinterpret_cast<UINT_PTR>(control->window());
        tool.lpszText = text.data();
        SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

} // namespace platform::win32
