// SPDX-License-Identifier: MIT
#include "numberformat.h"

namespace platform {
namespace {

NumberFormat &current()
{
    static NumberFormat format;
    return format;
}

} // namespace

const NumberFormat &userNumberFormat()
{
    return current();
}

void setUserNumberFormat(NumberFormat format)
{
    current() = std::move(format);
}

} // namespace platform
