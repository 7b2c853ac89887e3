// SPDX-License-Identifier: MIT
// The check-letter rule on arbitrary bytes: never a crash, never a letter outside the table,
// and the table's letter for every text the number field can hold.
#include "checkletter.h"
#include "numberformat.h"
#include "oracles.h"

#include <QByteArray>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    platform::setUserNumberFormat({u",", u".", u"-", u"+", u"€"});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString table = QStringLiteral("TRWAGMYFPDXBNJZSQVHLCKE");
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const QString &text : {fromUtf8(bytes), fromLatin1(bytes)}) {
        const std::u16string_view letter = CalcularLetra(u16(text));
        if (letter.size() > 1 || (letter.size() == 1 && !table.contains(QChar(letter.front()))))
            fail("the letter is not one of the table", text);
        if (const auto expected = expectLetter(text)) {
            if (letter.size() != 1 || QChar(letter.front()) != *expected)
                fail("wrong letter for a number of 1 to 8 digits", text);
        }
    }
    return 0;
}
