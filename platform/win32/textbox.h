// SPDX-License-Identifier: MIT
#pragma once

#include "childcontrol.h"
#include "forms.h"
#include "keyfilter.h"
#include "liveannouncement.h"
#include "liveregion.h"

namespace platform::win32 {

// A text box: the system's edit control, single-line, with the design's length limit and
// read-only setting; the key-press and change handlers, and its name for screen readers. A live
// one (the letter) is news that screen readers speak wherever the focus is: named with its text.
class TextBoxControl final : public ChildControl, public TextBox
{
public:
    TextBoxControl(const ControlDesign &design, HWND parent, int id, UINT dpi,
                   std::function<void()> changed);

    std::u16string text() const override;

    void onKeyPress(std::function<void(std::int16_t &)> handler) { keyPress_ = std::move(handler); }
    void onChange(std::function<void()> handler) { change_ = std::move(handler); }

    void notified(WORD code) override;

private:
    void replaceText(std::u16string_view text) override;
    std::u16string spokenName() const override;
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR self);

    KeyFilter input_;
    LiveAnnouncement announcement_;
    LiveRegion liveRegion_;
    std::function<void(std::int16_t &)> keyPress_;
    std::function<void()> change_;
};

} // namespace platform::win32
