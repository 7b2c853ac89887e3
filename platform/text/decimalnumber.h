// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct NumberFormat;

// A number as read from text: sign, the significant digits without separators, and the power
// of ten that scales them. Exponents are saturated well past anything a 32-bit value needs.
struct DecimalNumber
{
    bool negative = false;
    std::u16string digits;
    std::int64_t exponent = 0;
};

// The number a whole text spells in the format (see isNumeric for the forms read), or nothing.
std::optional<DecimalNumber> readDecimalNumber(std::u16string_view text,
                                               const NumberFormat &format);

} // namespace platform
