// SPDX-License-Identifier: MIT
#include "decimalnumber.h"

#include "numberformat.h"

#include <algorithm>

namespace platform {
namespace {

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

} // namespace

std::optional<DecimalNumber> readDecimalNumber(std::u16string_view text, const NumberFormat &format)
{
    return NumberReader(text, format).read();
}

} // namespace platform
