// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <vector>

namespace platform::win32 {

class ChildControl;

// Stacks a window's child controls for the dialog navigation, which visits the tab stops in
// z-order: those that take the focus in the focus order, topmost first, the others below them.
// Where the design stacks two overlapping controls the other way round (the letter field over
// the number field's right edge), the one it puts lower is cut by a window region, so that the
// design's stacking is what shows and what takes the clicks. `children` are in the design's
// order, topmost first; called again once they have moved to a new density.
void stackChildren(const std::vector<const ChildControl *> &focusOrder,
                   const std::vector<std::unique_ptr<ChildControl>> &children);

} // namespace platform::win32
