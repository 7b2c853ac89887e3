// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace platform {

// The text up to its first line break (CR, LF, VT, FF, NEL, or the Unicode line and paragraph
// separators) or NUL, where a Windows text box's text ends, or all of it when it has neither:
// what a single-line text box takes of a paste.
std::u16string_view firstLine(std::u16string_view text);

} // namespace platform
