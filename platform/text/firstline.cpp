// SPDX-License-Identifier: MIT
#include "firstline.h"

namespace platform {

std::u16string_view firstLine(std::u16string_view text)
{
    using namespace std::string_view_literals;
    return text.substr(0, text.find_first_of(u"\0\n\v\f\r\u0085\u2028\u2029"sv));
}

} // namespace platform
