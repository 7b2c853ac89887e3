// SPDX-License-Identifier: MIT
// The numeric test and the text-to-integer conversion on arbitrary bytes, in two formats.
#include "numberformat.h"
#include "numerictext.h"
#include "oracles.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const platform::NumberFormat c;
    static const platform::NumberFormat spanish{u",", u".", u"-", u"+", u"€"};
    static const platform::NumberFormat *formats[] = {&c, &spanish};
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const QString &text : {fromUtf8(bytes), fromLatin1(bytes)}) {
        for (const platform::NumberFormat *format : formats) {
            const bool numeric = platform::isNumeric(u16(text), *format);
            const std::optional<qint32> value = platform::textToInteger(u16(text), *format);
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
            if (platform::textToInteger(u16(text), c) != expected)
                fail("a decimal did not round half to even", text);
        }
    }
    return 0;
}
