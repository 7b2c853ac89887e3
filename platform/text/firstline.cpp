// SPDX-License-Identifier: MIT
#include "firstline.h"

#include <algorithm>

namespace platform {

QStringView firstLine(QStringView text)
{
    const auto isLineBreak = [](QChar c) {
        switch (c.unicode()) {
        case u'\n':
        case u'\v':
        case u'\f':
        case u'\r':
        case u'\u0085':
        case u'\u2028':
        case u'\u2029':
            return true;
        default:
            return false;
        }
    };
    const auto end = std::find_if(text.begin(), text.end(), isLineBreak);
    return text.left(end - text.begin());
}

} // namespace platform
