// SPDX-License-Identifier: MIT
#include "checkletter.h"

#include "charactercodes.h"
#include "numerictext.h"

#include <iterator>

namespace {
constexpr int kModulus = std::size(kLetterTable) - 1;
}

QStringView CalcularLetra(QStringView numberText)
{
    const std::optional<qint32> number = platform::textToInteger(numberText);
    if (!number)
        return {};
    // Truncating remainder, sign of the dividend: negative numbers give -22..0.
    const int remainder = *number % kModulus;
    if (remainder < 0)
        return {};
    return platform::characterAt(QStringView(kLetterTable, kModulus), remainder + 1);
}
