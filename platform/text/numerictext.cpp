// SPDX-License-Identifier: MIT
#include "numerictext.h"

#include "decimalnumber.h"
#include "numberformat.h"

#include <algorithm>
#include <limits>

namespace platform {
namespace {

// ASCII digits only: read the same in every format, and what the number field holds, so they
// skip the general reader.
struct PlainDigits
{
    bool plain = false;
    std::optional<std::int32_t> value;
};

PlainDigits readPlainDigits(std::u16string_view text)
{
    if (text.empty())
        return {};
    std::size_t first = 0;
    // Ten digits fit in 64 bits; beyond that only leading zeros keep a text in range.
    if (text.size() > 10) {
        while (first < text.size() && text[first] == u'0')
            ++first;
    }
    const bool tooLong = text.size() - first > 10;
    std::uint64_t value = 0;
    for (std::size_t i = first; i < text.size(); ++i) {
        const unsigned digit = static_cast<unsigned>(text[i]) - u'0';
        if (digit > 9)
            return {};
        value = value * 10 + digit; // wraps harmlessly when tooLong, and is then ignored
    }
    if (tooLong || value > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
        return {true, std::nullopt};
    return {true, static_cast<std::int32_t>(value)};
}

// Rounds digits x 10^exponent to an integer, halves to even, or gives nothing past 32 bits.
std::optional<std::int32_t> roundToInt32(const DecimalNumber &number)
{
    std::u16string_view digits(number.digits);
    while (!digits.empty() && digits.front() == u'0')
        digits.remove_prefix(1);
    if (digits.empty())
        return 0;

    const auto size = static_cast<std::int64_t>(digits.size());
    // Digits left of the decimal point once the exponent is applied.
    const std::int64_t wholeDigits = size + number.exponent;
    if (wholeDigits > 10)
        return std::nullopt;

    std::int64_t magnitude = 0;
    for (std::int64_t i = 0; i < wholeDigits; ++i)
        magnitude = magnitude * 10 + (i < size ? digits[static_cast<std::size_t>(i)] - u'0' : 0);

    // Below 0.1 the value rounds to zero; otherwise the first dropped digit decides, and a
    // 5 followed by zeros only is a half, which goes to the even neighbour.
    if (wholeDigits >= 0 && wholeDigits < size) {
        const auto dropped = static_cast<std::size_t>(wholeDigits);
        const int roundingDigit = digits[dropped] - u'0';
        const std::u16string_view rest = digits.substr(dropped + 1);
        const bool restIsZero =
            std::all_of(rest.begin(), rest.end(), [](char16_t c) { return c == u'0'; });
        if (roundingDigit > 5 || (roundingDigit == 5 && (!restIsZero || magnitude % 2 == 1)))
            ++magnitude;
    }

    const std::int64_t value = number.negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

bool isNumeric(std::u16string_view text, const NumberFormat &format)
{
    return readPlainDigits(text).plain || readDecimalNumber(text, format).has_value();
}

bool isNumeric(std::u16string_view text)
{
    return isNumeric(text, userNumberFormat());
}

std::optional<std::int32_t> textToInteger(std::u16string_view text, const NumberFormat &format)
{
    if (const PlainDigits digits = readPlainDigits(text); digits.plain)
        return digits.value;
    const auto number = readDecimalNumber(text, format);
    if (!number)
        return std::nullopt;
    return roundToInt32(*number);
}

std::optional<std::int32_t> textToInteger(std::u16string_view text)
{
    return textToInteger(text, userNumberFormat());
}

} // namespace platform
