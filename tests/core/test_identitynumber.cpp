// SPDX-License-Identifier: MIT
#include "identitynumber.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

struct IdentifierRow
{
    const char *name;
    std::u16string number;
    std::u16string letter;
    std::optional<std::u16string> identifier;
};

// The refused numbers carry the letter the number field shows for them, so that only the
// number can be what refuses them.
const IdentifierRow rows[] = {
    {"one digit", u"1", u"R", u"1R"},
    {"seven digits", u"1234567", u"L", u"1234567L"},
    {"eight digits", u"12345678", u"Z", u"12345678Z"},
    {"largest eight digits", u"99999999", u"R", u"99999999R"},
    {"leading zeros kept", u"00000023", u"T", u"00000023T"},

    {"letter of another number", u"12345678", u"A", std::nullopt},
    {"no letter", u"12345678", u"", std::nullopt},
    {"lower-case letter", u"12345678", u"z", std::nullopt},
    {"letter twice", u"12345678", u"ZZ", std::nullopt},

    {"empty number", u"", u"R", std::nullopt},
    {"plus sign", u"+5", u"M", std::nullopt},
    {"minus zero", u"-0", u"T", std::nullopt},
    {"negative multiple of 23", u"-46", u"T", std::nullopt},
    {"exponent", u"1e3", u"B", std::nullopt},
    {"thousands separator", u"1.000", u"B", std::nullopt},
    {"decimal comma", u"1,4", u"R", std::nullopt},
    {"blanks around", u" 12 ", u"N", std::nullopt},
    {"currency", u"5 €", u"M", std::nullopt},
    {"letters", u"abc", u"R", std::nullopt},
    {"foreigner's number", u"X1234567", u"L", std::nullopt},
    {"nine digits", u"123456789", u"B", std::nullopt},
    {"full-width digits", u"\uFF11\uFF12", u"N", std::nullopt},
    {"Arabic-Indic digits", u"\u0661\u0662", u"N", std::nullopt},
    {"digit with a combining mark", u"1\u0301", u"R", std::nullopt},
};

} // namespace

TEST(FullIdentifier, OnlyEightAsciiDigitsAndTheirLetter)
{
    for (const IdentifierRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fullIdentifier(row.number, row.letter), row.identifier);
    }
}
