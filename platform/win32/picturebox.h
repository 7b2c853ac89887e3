// SPDX-License-Identifier: MIT
#pragma once

#include "childcontrol.h"
#include "forms.h"
#include "liveregion.h"

#include <optional>
#include <string>

namespace platform::win32 {

// A picture box: a child window of our own class that fills itself with its colour and has its
// windowless controls (labels) painted on it, takes the focus when clicked, and keeps its Top in
// twips: the twips are the truth, and the window sits at their nearest whole pixel. One that holds
// texts is a live region, so that screen readers speak them once, when they first show.
class PictureBoxControl final : public ChildControl, public PictureBox
{
public:
    // `paintContents` draws the labels it holds; `spokenName` is what a screen reader calls it.
    PictureBoxControl(const ControlDesign &design, HWND parent, int id, UINT dpi,
                      std::function<void()> changed, std::function<void(HDC)> paintContents,
                      std::u16string spokenName);

    float top() const override;
    float scaleHeight() const override;

    void place(UINT dpi) override;

private:
    void moveTop(float twips) override;
    std::u16string spokenName() const override;
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void paint();

    const std::function<void(HDC)> paintContents_;
    const std::u16string spokenName_;
    LiveRegion liveRegion_;
    bool announced_ = false;
    UINT dpi_;
    // Until first set, the design-time position is the twips position.
    std::optional<float> top_;
};

} // namespace platform::win32
