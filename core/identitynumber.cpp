// SPDX-License-Identifier: MIT
#include "identitynumber.h"

#include "checkletter.h"

#include <cstddef>
#include <cstdint>

namespace {
constexpr std::size_t kMostDigits = 8;
}

std::optional<std::u16string> fullIdentifier(std::u16string_view number, std::u16string_view letter)
{
    if (number.empty() || number.size() > kMostDigits)
        return std::nullopt;
    // Eight digits stay below 10^8, far inside 32 bits.
    std::uint32_t value = 0;
    for (const char16_t digit : number) {
        if (digit < u'0' || digit > u'9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint32_t>(digit - u'0');
    }
    const std::size_t remainder = value % kLetterTable.size();
    if (letter != kLetterTable.substr(remainder, 1))
        return std::nullopt;
    return std::u16string(number) + std::u16string(letter);
}
