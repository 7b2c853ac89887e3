// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace platform {

// How the user writes numbers: the backend reads it from the system (QLocale on Linux, the
// regional settings on Windows) and hands it to the text layer, which knows no toolkit.
struct NumberFormat
{
    std::u16string decimal = u".";
    std::u16string group = u",";
    std::u16string minus = u"-";
    std::u16string plus = u"+";
    // Empty where the user's format has none.
    std::u16string currency;
};

// The format the one-argument numeric test and conversion use. Until the backend sets one it
// is the plain format above, with no currency symbol.
const NumberFormat &userNumberFormat();
void setUserNumberFormat(NumberFormat format);

} // namespace platform
