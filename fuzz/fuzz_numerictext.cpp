// SPDX-License-Identifier: MIT
// The numeric test and the text-to-integer conversion on arbitrary bytes, in two locales.
#include "numerictext.h"
#include "oracles.h"

#include <QByteArray>
#include <QLocale>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::Spanish, QLocale::Spain)};
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const QString &text : {fromUtf8(bytes), fromLatin1(bytes)}) {
        for (const QLocale &locale : locales) {
            const bool numeric = platform::isNumeric(text, locale);
            const std::optional<qint32> value = platform::textToInteger(text, locale);
            if (!numeric && value)
                fail("a text the numeric test rejects converted", text);
            if (const auto expected = expectSignedDigits(text)) {
                if (!numeric)
                    fail("signed digits are not numeric", text);
                if (value != expected->value)
                    fail("signed digits converted to the wrong value", text);
            }
        }
        if (const auto expected = expectDecimalInCLocale(text)) {
            if (platform::textToInteger(text, QLocale::c()) != expected)
                fail("a decimal did not round half to even", text);
        }
    }
    return 0;
}
