// SPDX-License-Identifier: MIT
#include "numerictext.h"

#include <QLocale>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstdint>
#include <limits>

namespace platform {
namespace {

// A number as read from text: sign, the significant digits without separators, and the power
// of ten that scales them. Exponents are saturated well past anything a 32-bit value needs.
struct DecimalNumber
{
    bool negative = false;
    QString digits;
    std::int64_t exponent = 0;
};

constexpr std::int64_t kExponentLimit = 1'000'000'000;

constexpr char16_t kNoBreakSpace = u'\u00A0';
constexpr char16_t kNarrowNoBreakSpace = u'\u202F';

// Locales write no-break spaces around currency symbols and between groups of digits.
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == kNoBreakSpace || c == kNarrowNoBreakSpace;
}
bool isNoBreakSpace(const QString &token)
{
    return token == QChar(kNoBreakSpace) || token == QChar(kNarrowNoBreakSpace);
}
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

class NumberReader
{
public:
    NumberReader(QStringView text, const QLocale &locale)
        : text_(text), decimal_(locale.decimalPoint()), group_(locale.groupSeparator()),
          minus_(locale.negativeSign()), plus_(locale.positiveSign()),
          currency_(locale.currencySymbol())
    {
        // Where groups are split by a no-break space, either width of it does.
        if (isNoBreakSpace(group_))
            otherGroup_ =
                group_ == QChar(kNoBreakSpace) ? QChar(kNarrowNoBreakSpace) : QChar(kNoBreakSpace);
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
    bool startsWith(const QString &token) const
    {
        return !token.isEmpty() && text_.mid(pos_).startsWith(token);
    }

    bool take(const QString &token)
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

    // The locale's signs, and the ASCII ones in locales whose signs are others (U+2212).
    void readSign()
    {
        if (take(minus_) || take(QStringLiteral("-")))
            number_.negative = true;
        else if (!take(plus_))
            take(QStringLiteral("+"));
    }

    bool atDigit() const { return pos_ < text_.size() && isDigit(text_[pos_]); }

    // Digits, with group separators only between two digits.
    qsizetype readDigitRun(bool allowGroups)
    {
        qsizetype count = 0;
        while (true) {
            while (atDigit()) {
                number_.digits.append(text_[pos_++]);
                ++count;
            }
            if (!allowGroups || count == 0)
                return count;
            const QString &group = startsWith(group_) ? group_ : otherGroup_;
            if (!startsWith(group))
                return count;
            const qsizetype afterGroup = pos_ + group.size();
            if (afterGroup >= text_.size() || !isDigit(text_[afterGroup]))
                return count;
            pos_ = afterGroup;
        }
    }

    bool readMantissa()
    {
        const qsizetype whole = readDigitRun(true);
        qsizetype fraction = 0;
        if (take(decimal_)) {
            fraction = readDigitRun(false);
            number_.exponent -= fraction;
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
        while (atDigit()) {
            value = std::min(kExponentLimit, value * 10 + (text_[pos_++].unicode() - u'0'));
        }
        number_.exponent += negative ? -value : value;
        return true;
    }

    QStringView text_;
    qsizetype pos_ = 0;
    QString decimal_;
    QString group_;
    QString otherGroup_;
    QString minus_;
    QString plus_;
    QString currency_;
    DecimalNumber number_;
};

// ASCII digits only: read the same in every locale, and what the number field holds, so they
// skip the general reader and its locale look-ups.
struct PlainDigits
{
    bool plain = false;
    std::optional<qint32> value;
};

PlainDigits readPlainDigits(QStringView text)
{
    if (text.isEmpty())
        return {};
    const char16_t *units = text.utf16();
    qsizetype first = 0;
    // Ten digits fit in 64 bits; beyond that only leading zeros keep a text in range.
    if (text.size() > 10) {
        while (first < text.size() && units[first] == u'0')
            ++first;
    }
    const bool tooLong = text.size() - first > 10;
    std::uint64_t value = 0;
    for (qsizetype i = first; i < text.size(); ++i) {
        const unsigned digit = static_cast<unsigned>(units[i]) - u'0';
        if (digit > 9)
            return {};
        value = value * 10 + digit; // wraps harmlessly when tooLong, and is then ignored
    }
    if (tooLong || value > static_cast<std::uint64_t>(std::numeric_limits<qint32>::max()))
        return {true, std::nullopt};
    return {true, static_cast<qint32>(value)};
}

std::optional<DecimalNumber> readNumber(QStringView text, const QLocale &locale)
{
    return NumberReader(text, locale).read();
}

// Rounds digits x 10^exponent to an integer, halves to even, or gives nothing past 32 bits.
std::optional<qint32> roundToInt32(const DecimalNumber &number)
{
    QStringView digits(number.digits);
    while (!digits.isEmpty() && digits.front() == u'0')
        digits = digits.mid(1);
    if (digits.isEmpty())
        return 0;

    const std::int64_t size = digits.size();
    // Digits left of the decimal point once the exponent is applied.
    const std::int64_t wholeDigits = size + number.exponent;
    if (wholeDigits > 10)
        return std::nullopt;

    std::int64_t magnitude = 0;
    for (std::int64_t i = 0; i < wholeDigits; ++i)
        magnitude = magnitude * 10 + (i < size ? digits[i].unicode() - u'0' : 0);

    // Below 0.1 the value rounds to zero; otherwise the first dropped digit decides, and a
    // 5 followed by zeros only is a half, which goes to the even neighbour.
    if (wholeDigits >= 0 && wholeDigits < size) {
        const int roundingDigit = digits[wholeDigits].unicode() - u'0';
        const auto rest = digits.mid(wholeDigits + 1);
        const bool restIsZero =
            std::all_of(rest.begin(), rest.end(), [](QChar c) { return c == u'0'; });
        if (roundingDigit > 5 || (roundingDigit == 5 && (!restIsZero || magnitude % 2 == 1)))
            ++magnitude;
    }

    const std::int64_t value = number.negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(value);
}

} // namespace

bool isNumeric(QStringView text, const QLocale &locale)
{
    return readPlainDigits(text).plain || readNumber(text, locale).has_value();
}

bool isNumeric(QStringView text)
{
    return readPlainDigits(text).plain || readNumber(text, QLocale()).has_value();
}

std::optional<qint32> textToInteger(QStringView text, const QLocale &locale)
{
    if (const PlainDigits digits = readPlainDigits(text); digits.plain)
        return digits.value;
    const auto number = readNumber(text, locale);
    if (!number)
        return std::nullopt;
    return roundToInt32(*number);
}

std::optional<qint32> textToInteger(QStringView text)
{
    if (const PlainDigits digits = readPlainDigits(text); digits.plain)
        return digits.value;
    return textToInteger(text, QLocale());
}

} // namespace platform
