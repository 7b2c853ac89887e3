// SPDX-License-Identifier: MIT
#include "stacking.h"

#include "childcontrol.h"

#include <algorithm>
#include <windows.h>

namespace platform::win32 {
namespace {

RECT placed(HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

} // namespace

void stackChildren(const std::vector<const ChildControl *> &focusOrder,
                   const std::vector<std::unique_ptr<ChildControl>> &children)
{
    std::vector<const ChildControl *> stacked = focusOrder;
    for (const std::unique_ptr<ChildControl> &control : children) {
        if (std::find(stacked.begin(), stacked.end(), control.get()) == stacked.end())
            stacked.push_back(control.get());
    }
    // Each sent to the bottom in turn: the first ends on top.
    for (const ChildControl *control : stacked)
        SetWindowPos(control->window(), HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    const auto stackedAt = [&stacked](const ChildControl *control) {
        return std::find(stacked.begin(), stacked.end(), control) - stacked.begin();
    };
    for (std::size_t lower = 0; lower < children.size(); ++lower) {
        const HWND window = children[lower]->window();
        const RECT own = placed(window);
        HRGN visible = CreateRectRgn(0, 0, own.right - own.left, own.bottom - own.top);
        bool cut = false;
        for (std::size_t upper = 0; upper < lower; ++upper) {
            const HWND other = children[upper]->window();
            if (GetParent(other) != GetParent(window) ||
                stackedAt(children[upper].get()) < stackedAt(children[lower].get()))
                continue;
            const RECT theirs = placed(other);
            RECT overlap;
            if (!IntersectRect(&overlap, &own, &theirs))
                continue;
            OffsetRect(&overlap, -own.left, -own.top);
            HRGN covered = CreateRectRgnIndirect(&overlap);
            CombineRgn(visible, visible, covered, RGN_DIFF);
            DeleteObject(covered);
            cut = true;
        }
        // The window owns the region it is given.
        if (!cut) {
            DeleteObject(visible);
            visible = nullptr;
        }
        SetWindowRgn(window, visible, TRUE);
    }
}

} // namespace platform::win32
