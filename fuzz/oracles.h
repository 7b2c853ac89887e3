// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <string_view>

class QByteArray;

// What the fuzzers check against, worked out independently of the code under test, with plain
// integer arithmetic on ASCII text. Each returns nothing for texts outside its simple form.

// For an optional '+' or '-' and 1 to 18 ASCII digits: whether the text is numeric (always) and
// its value when it fits in 32 bits.
struct SignedDigitsExpectation
{
    std::optional<qint32> value;
};
std::optional<SignedDigitsExpectation> expectSignedDigits(const QString &text);

// For "D.F" in the C locale, D and F each 1 to 9 ASCII digits: the value rounded to the nearest
// integer, halves to even.
std::optional<qint32> expectDecimalInCLocale(const QString &text);

// For 1 to 8 ASCII digits: the table letter of the number modulo 23.
std::optional<QChar> expectLetter(const QString &text);

// The standard view of a text, as the code under test reads it.
inline std::u16string_view u16(const QString &text)
{
    return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

// The fuzz input read two ways: as UTF-8 and as Latin-1.
QString fromUtf8(const QByteArray &bytes);
QString fromLatin1(const QByteArray &bytes);

// Stops the run with a message, so libFuzzer records the input.
[[noreturn]] void fail(const char *what, const QString &text);
