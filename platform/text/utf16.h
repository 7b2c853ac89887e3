// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// A character beyond the 16-bit range takes two UTF-16 units: a high surrogate, then a low one.
constexpr bool isHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

constexpr bool isLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The units of the character that starts the text: two for a surrogate pair, else one.
constexpr std::size_t characterLength(std::u16string_view text)
{
    return text.size() > 1 && isHighSurrogate(text[0]) && isLowSurrogate(text[1]) ? 2 : 1;
}

} // namespace platform
