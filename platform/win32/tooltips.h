// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <span>
#include <windows.h>

namespace platform::win32 {

class ChildControl;

// The tool tips of a window's controls, from their designs. Made when the pointer first comes
// over the window, not at start-up: until then none can show, and the window comes up sooner.
class ToolTips
{
public:
    void makeOnce(HWND owner, std::span<const std::unique_ptr<ChildControl>> controls);

private:
    HWND window_ = nullptr;
};

} // namespace platform::win32
