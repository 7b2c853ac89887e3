// SPDX-License-Identifier: MIT
#include "oracles.h"

#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

bool allAsciiDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return !text.isEmpty();
}

std::int64_t digitsValue(QStringView text)
{
    std::int64_t value = 0;
    for (const QChar c : text)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

bool fitsInt32(std::int64_t value)
{
    return value >= std::numeric_limits<qint32>::min() &&
           value <= std::numeric_limits<qint32>::max();
}

} // namespace

std::optional<SignedDigitsExpectation> expectSignedDigits(const QString &text)
{
    QStringView digits(text);
    bool negative = false;
    if (!digits.isEmpty() && (digits.front() == u'+' || digits.front() == u'-')) {
        negative = digits.front() == u'-';
        digits = digits.mid(1);
    }
    if (digits.size() > 18 || !allAsciiDigits(digits))
        return std::nullopt;
    const std::int64_t value = negative ? -digitsValue(digits) : digitsValue(digits);
    if (!fitsInt32(value))
        return SignedDigitsExpectation{};
    return SignedDigitsExpectation{static_cast<qint32>(value)};
}

std::optional<qint32> expectDecimalInCLocale(const QString &text)
{
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return std::nullopt;
    const QStringView whole = QStringView(text).left(point);
    const QStringView fraction = QStringView(text).mid(point + 1);
    if (whole.size() > 9 || fraction.size() > 9 || !allAsciiDigits(whole) ||
        !allAsciiDigits(fraction))
        return std::nullopt;
    std::int64_t scale = 1;
    for (qsizetype i = 0; i < fraction.size(); ++i)
        scale *= 10;
    std::int64_t value = digitsValue(whole);
    const std::int64_t twiceRemainder = 2 * digitsValue(fraction);
    if (twiceRemainder > scale || (twiceRemainder == scale && value % 2 == 1))
        ++value;
    return static_cast<qint32>(value); // at most 10^9, always in range
}

std::optional<QChar> expectLetter(const QString &text)
{
    if (text.size() > 8 || !allAsciiDigits(text))
        return std::nullopt;
    static const char letters[] = "TRWAGMYFPDXBNJZSQVHLCKE";
    return QChar::fromLatin1(letters[digitsValue(text) % 23]);
}

QString fromUtf8(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes);
}
QString fromLatin1(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

void fail(const char *what, const QString &text)
{
    std::fprintf(stderr, "oracle failed: %s for \"%s\"\n", what, text.toUtf8().constData());
    std::abort();
}
