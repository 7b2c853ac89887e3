// SPDX-License-Identifier: MIT
#include "checkletter.h"

#include "charactercodes.h"
#include "numerictext.h"

namespace {
constexpr auto kModulus = static_cast<std::int32_t>(kLetterTable.size());
}

std::u16string_view CalcularLetra(std::u16string_view numberText)
{
    const std::optional<std::int32_t> number = platform::textToInteger(numberText);
    if (!number)
        return {};
    // Truncating remainder, sign of the dividend: negative numbers give -22..0.
    const std::int32_t remainder = *number % kModulus;
    if (remainder < 0)
        return {};
    return platform::characterAt(kLetterTable, remainder + 1);
}
