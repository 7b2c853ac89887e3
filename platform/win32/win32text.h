// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Windows' wide strings are UTF-16, as the shared text layer's are.
namespace platform::win32 {

inline std::wstring wide(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

inline std::u16string utf16(std::wstring_view text)
{
    return std::u16string(text.begin(), text.end());
}

} // namespace platform::win32
