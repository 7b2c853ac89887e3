// SPDX-License-Identifier: MIT
#include "navigation.h"

#include "childcontrol.h"
#include "formdesign.h"
#include "win32form.h"

#include <algorithm>
#include <vector>

namespace platform::win32 {

bool dispatchDialogMessage(MSG &message)
{
    if (!message.hwnd)
        return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    return Win32Form::of(root) && IsDialogMessageW(root, &message);
}

LRESULT focusedButtonAsDefault()
{
    const HWND focus = GetFocus();
    const ChildControl *control = ChildControl::of(focus);
    if (!control || control->design().kind != ControlKind::CommandButton || !IsWindowEnabled(focus))
        return 0;
    return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
}

void tabFrom(const ChildControl &control, bool backward)
{
    const Win32Form *form = Win32Form::of(GetAncestor(control.window(), GA_ROOT));
    if (!form)
        return;
    const std::vector<const ChildControl *> order = form->focusOrder();
    const auto current = std::find(order.begin(), order.end(), &control);
    if (current == order.end())
        return;
    auto index = static_cast<std::size_t>(current - order.begin());
    for (std::size_t step = 1; step < order.size(); ++step) {
        index = backward ? (index + order.size() - 1) % order.size() : (index + 1) % order.size();
        const HWND next = order[index]->window();
        if (IsWindowEnabled(next)) {
            SetFocus(next);
            if (order[index]->design().kind == ControlKind::TextBox)
                SendMessageW(next, EM_SETSEL, 0, -1);
            return;
        }
    }
}

} // namespace platform::win32
