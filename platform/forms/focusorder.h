// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

namespace platform {

struct ControlDesign;
struct FormDesign;

// Whether a control can take the focus: a text box, button or picture box with a place in the
// tab order. Labels hold a tab index too, but never take the focus.
bool takesFocus(const ControlDesign &control);

// The controls that can take the focus, in the order Tab visits them: by tab index, the first
// one being where the focus starts when the window opens. Whether a disabled one is skipped is
// decided as the user presses Tab.
std::vector<const ControlDesign *> focusOrder(const FormDesign &design);

} // namespace platform
