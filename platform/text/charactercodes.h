// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Character codes as the key-press handler sees them: the Windows-1252 (Western ANSI) code
// page. A code point with no place in that page reads as 63, the question mark.
int windows1252Code(char32_t codePoint);

// The one-character text of a Windows-1252 code; a code outside 0..255 gives "?".
std::u16string characterFromCode(int code);

// The one character at a 1-based position, or an empty view when the position is outside.
// A view into the text: nothing is copied.
std::u16string_view characterAt(std::u16string_view text, std::ptrdiff_t position);

} // namespace platform
