// SPDX-License-Identifier: MIT
#pragma once

#include "childcontrol.h"
#include "forms.h"

namespace platform::win32 {

// A command button: the system's push button, its click handler, and its tool tip as its
// description for screen readers (its caption is its name already).
class ButtonControl final : public ChildControl, public CommandButton
{
public:
    ButtonControl(const ControlDesign &design, HWND parent, int id, UINT dpi,
                  std::function<void()> changed);

    void onClick(std::function<void()> handler) { click_ = std::move(handler); }

    void notified(WORD code) override;

private:
    bool enabled() const override;
    void changeEnabled(bool enabled) override;
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR self);

    std::function<void()> click_;
};

} // namespace platform::win32
