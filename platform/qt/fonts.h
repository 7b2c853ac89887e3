// SPDX-License-Identifier: MIT
#pragma once

namespace platform::qt {

// The windows name the old desktop's faces ("MS Sans Serif", "Arial"); where those are not
// installed, use the metric-compatible Liberation faces so that captions keep their widths.
void installFontSubstitutes();

} // namespace platform::qt
