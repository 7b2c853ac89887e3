// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <windows.h>

namespace platform {
struct ControlDesign;
}

namespace platform::win32 {

// A child's identifier is its place in its window's design counted from here: what tools and
// tests find it by. Below lie IDOK and IDCANCEL, which the dialog navigation sends for Enter and
// Esc when no button has the focus.
inline constexpr int kFirstControlId = 100;

// A control of ours that is a child window: its design, its window, and what its parent routes
// to it. The notifications a child sends its parent (WM_COMMAND) reach the object that owns the
// child, not a switch in the window. Labels, the image and timers have no window.
class ChildControl
{
public:
    ChildControl(const ChildControl &) = delete;
    ChildControl &operator=(const ChildControl &) = delete;
    virtual ~ChildControl();

    // The control a child window belongs to, or none.
    static ChildControl *of(HWND window);

    const ControlDesign &design() const { return design_; }
    HWND window() const { return window_; }

    // Puts the child where its twips fall at the density, each figure rounded on its own.
    virtual void place(UINT dpi);
    // A notification the child sent its parent, by its code (EN_CHANGE, BN_CLICKED).
    virtual void notified(WORD) {}

protected:
    // `changed` is called on every change of the control, the user's or the program's.
    ChildControl(const ControlDesign &design, std::function<void()> changed);
    // Creates the child window in the parent, with the design's text, size and place; its
    // identifier is `id`.
    void createWindow(const wchar_t *windowClass, DWORD style, DWORD extendedStyle, HWND parent,
                      int id, UINT dpi);
    void changed() const { changed_(); }
    // The answer to the child's WM_GETOBJECT, or 0 for the system's: its object named for
    // screen readers, its tool tip as its description.
    LRESULT accessibleObject(WPARAM wParam, LPARAM lParam) const;
    // What a screen reader calls the control: the design's name for it, unless its kind knows
    // better.
    virtual std::u16string spokenName() const;

private:
    const ControlDesign &design_;
    const std::function<void()> changed_;
    HWND window_ = nullptr;
};

} // namespace platform::win32
