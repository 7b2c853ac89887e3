// SPDX-License-Identifier: MIT
#include "navigation.h"

#include "childcontrol.h"
#include "formdesign.h"
#include "win32form.h"

#include <algorithm>
#include <vector>

namespace platform::win32 {
namespace {

bool held(int key)
{
    return GetKeyState(key) < 0;
}

void moveFocus(const Win32Form &form, bool backward)
{
    const std::vector<const ChildControl *> order = form.focusOrder();
    if (order.empty())
        return;
    const HWND focus = GetFocus();
    const auto current = std::find_if(order.begin(), order.end(), [focus](const auto *control) {
        return control->window() == focus;
    });
    std::size_t index = current == order.end() ? order.size() - 1
                                               : static_cast<std::size_t>(current - order.begin());
    for (std::size_t step = 0; step < order.size(); ++step) {
        index = backward ? (index + order.size() - 1) % order.size() : (index + 1) % order.size();
        const ChildControl &next = *order[index];
        if (IsWindowEnabled(next.window())) {
            SetFocus(next.window());
            if (next.design().kind == ControlKind::TextBox)
                SendMessageW(next.window(), EM_SETSEL, 0, -1);
            return;
        }
    }
}

} // namespace

bool navigate(const MSG &message)
{
    if (message.message != WM_KEYDOWN || !message.hwnd)
        return false;
    if (message.wParam != VK_TAB && message.wParam != VK_RETURN)
        return false;
    const Win32Form *form = Win32Form::of(GetAncestor(message.hwnd, GA_ROOT));
    if (!form)
        return false;
    if (message.wParam == VK_TAB) {
        if (held(VK_CONTROL) || held(VK_MENU))
            return false;
        moveFocus(*form, held(VK_SHIFT));
        return true;
    }
    if (const ChildControl *control = ChildControl::of(message.hwnd);
        control && control->design().kind == ControlKind::CommandButton) {
        SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

} // namespace platform::win32
