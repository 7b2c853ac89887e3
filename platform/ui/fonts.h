// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace platform {

// The windows name the old desktop's faces ("MS Sans Serif", "Arial"); where those are not
// installed, use the metric-compatible Liberation faces so that captions keep their widths.
void installFontSubstitutes();

// Designer forms store whole point sizes only. A widget whose form gives it the dynamic property
// "designPointSize" (such as 9.75, which is 13 pixels at 96 dots per inch) gets that exact size.
void applyDesignPointSizes(QWidget *window);

} // namespace platform
