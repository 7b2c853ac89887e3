// SPDX-License-Identifier: MIT
#include "numerictext.h"

#include "numberformat.h"

#include <algorithm>
#include <limits>
#include <string>

namespace platform {
namespace {

// A number as read from text: sign, the significant digits without separators, and the power
// of ten that scales them. Exponents are saturated well past anything a 32-bit value needs.
struct DecimalNumber
{
    bool negative = false;
    std::u16string digits;
    std::int64_t exponent = 0;
};

constexpr std::int64_t kExponentLimit = 1'000'000'000;

constexpr char16_t kNoBreakSpace = u'\u00A0';
constexpr char16_t kNarrowNoBreakSpace = u'\u202F';

// Locales write no-break spaces around currency symbols and between groups of digits.
bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == kNoBreakSpace || c == kNarrowNoBreakSpace;
}
bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

class NumberReader
{
public:
    NumberReader(std::u16string_view text, const NumberFormat &format)
        : text_(text), decimal_(format.decimal), group_(format.group), minus_(format.minus),
          plus_(format.plus), currency_(format.currency)
    {
        // Where groups are split by a no-break space, either width of it does.
        if (group_ == std::u16string_view(&kNoBreakSpace, 1))
            otherGroup_ = std::u16string_view(&kNarrowNoBreakSpace, 1);
        else if (group_ == std::u16string_view(&kNarrowNoBreakSpace, 1))
            otherGroup_ = std::u16string_view(&kNoBreakSpace, 1);
    }

    std::optional<DecimalNumber> read()
    {
        skipBlanks();
        bool currencySeen = readCurrency();
        readSign();
        if (!currencySeen)
            currencySeen = readCurrency();
        if (!readMantissa() || !readExponent())
            return std::nullopt;
        if (!currencySeen) {
            skipBlanks();
            readCurrency();
        }
        skipBlanks();
        if (pos_ != text_.size())
            return std::nullopt;
        return number_;
    }

private:
    bool startsWith(std::u16string_view token) const
    {
        return !token.empty() && text_.substr(pos_).starts_with(token);
    }

    bool take(std::u16string_view token)
    {
        if (!startsWith(token))
            return false;
        pos_ += token.size();
        return true;
    }

    void skipBlanks()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }

    bool readCurrency()
    {
        if (!take(currency_))
            return false;
        skipBlanks();
        return true;
    }

    // The format's signs, and the ASCII ones in formats whose signs are others (U+2212).
    void readSign()
    {
        if (take(minus_) || take(u"-"))
            number_.negative = true;
        else if (!take(plus_))
            take(u"+");
    }

    bool atDigit() const { return pos_ < text_.size() && isDigit(text_[pos_]); }

    // Digits, with group separators only between two digits.
    std::size_t readDigitRun(bool allowGroups)
    {
        std::size_t count = 0;
        while (true) {
            while (atDigit()) {
                number_.digits.push_back(text_[pos_++]);
                ++count;
            }
            if (!allowGroups || count == 0)
                return count;
            const std::u16string_view group = startsWith(group_) ? group_ : otherGroup_;
            if (!startsWith(group))
                return count;
            const std::size_t afterGroup = pos_ + group.size();
            if (afterGroup >= text_.size() || !isDigit(text_[afterGroup]))
                return count;
            pos_ = afterGroup;
        }
    }

    bool readMantissa()
    {
        const std::size_t whole = readDigitRun(true);
        std::size_t fraction = 0;
        if (take(decimal_)) {
            fraction = readDigitRun(false);
            number_.exponent -= static_cast<std::int64_t>(fraction);
        }
        return whole + fraction > 0;
    }

    bool readExponent()
    {
        if (pos_ >= text_.size() || (text_[pos_] != u'e' && text_[pos_] != u'E'))
            return true;
        ++pos_;
        bool negative = false;
        if (pos_ < text_.size() && (text_[pos_] == u'-' || text_[pos_] == u'+'))
            negative = text_[pos_++] == u'-';
        if (!atDigit())
            return false;
        std::int64_t value = 0;
        while (atDigit())
            value = std::min(kExponentLimit, value * 10 + (text_[pos_++] - u'0'));
        number_.exponent += negative ? -value : value;
        return true;
    }

    std::u16string_view text_;
    std::size_t pos_ = 0;
    std::u16string_view decimal_;
    std::u16string_view group_;
    std::u16string_view otherGroup_;
    std::u16string_view minus_;
    std::u16string_view plus_;
    std::u16string_view currency_;
    DecimalNumber number_;
};

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
    return readPlainDigits(text).plain || NumberReader(text, format).read().has_value();
}

bool isNumeric(std::u16string_view text)
{
    return isNumeric(text, userNumberFormat());
}

std::optional<std::int32_t> textToInteger(std::u16string_view text, const NumberFormat &format)
{
    if (const PlainDigits digits = readPlainDigits(text); digits.plain)
        return digits.value;
    const auto number = NumberReader(text, format).read();
    if (!number)
        return std::nullopt;
    return roundToInt32(*number);
}

std::optional<std::int32_t> textToInteger(std::u16string_view text)
{
    return textToInteger(text, userNumberFormat());
}

} // namespace platform
