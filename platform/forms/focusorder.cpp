// SPDX-License-Identifier: MIT
#include "focusorder.h"

#include "formdesign.h"

#include <algorithm>

namespace platform {

bool takesFocus(const ControlDesign &control)
{
    return control.tabIndex >= 0 &&
           (control.kind == ControlKind::TextBox || control.kind == ControlKind::CommandButton ||
            control.kind == ControlKind::PictureBox);
}

std::vector<const ControlDesign *> focusOrder(const FormDesign &design)
{
    std::vector<const ControlDesign *> order;
    for (const ControlDesign &control : design.controls) {
        if (takesFocus(control))
            order.push_back(&control);
    }
    std::stable_sort(
        order.begin(), order.end(),
        [](const ControlDesign *a, const ControlDesign *b) { return a->tabIndex < b->tabIndex; });
    return order;
}

} // namespace platform
