// SPDX-License-Identifier: MIT
#include "firstline.h"

namespace platform {

std::u16string_view firstLine(std::u16string_view text)
{
    return text.substr(0, text.find_first_of(u"\n\v\f\r\u0085\u2028\u2029"));
}

} // namespace platform
