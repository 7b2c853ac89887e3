// SPDX-License-Identifier: MIT
#include "numberformat.h"
#include "numerictext.h"

#include <gtest/gtest.h>
#include <string>

using namespace std::string_literals;
using platform::NumberFormat;

namespace {

// The formats as the backends read them from the system.
const NumberFormat c{u".", u",", u"-", u"+", u""};
const NumberFormat spanish{u",", u".", u"-", u"+", u"€"};
const NumberFormat swedish{u",", u"\u00A0", u"\u2212", u"+", u"kr"};
const std::u16string nbsp = u"\u00A0";
const std::u16string narrowNbsp = u"\u202F";

struct NumericRow
{
    const char *name;
    const NumberFormat &format;
    std::u16string text;
    bool numeric;
};

const NumericRow numericRows[] = {
    {"single digit 0", c, u"0", true},
    {"single letter", c, u"a", false},
    {"single blank", c, u" ", false},
    {"single minus", c, u"-", false},
    {"single euro sign", spanish, u"€", false},
    {"single control character", c, u"\x16", false},
    {"empty", c, u"", false},
    {"blanks only", c, u" \t ", false},
    {"eight digits", c, u"12345678", true},
    {"surrounding blanks and tabs", c, u" \t12 \t", true},
    {"blank inside", c, u"1 2", false},
    {"leading sign", c, u"-5", true},
    {"two signs", c, u"--5", false},
    {"trailing sign", c, u"5-", false},
    {"es: groups of thousands", spanish, u"1.234.567", true},
    {"es: decimal comma", spanish, u"1.234,5", true},
    {"es: fraction only", spanish, u",5", true},
    {"es: trailing decimal comma", spanish, u"7,", true},
    {"es: two decimal commas", spanish, u"1,2,3", false},
    {"es: doubled group separator", spanish, u"1..2", false},
    {"es: group separator first", spanish, u".5", false},
    {"es: group separator after decimal", spanish, u"1,2.3", false},
    {"C: groups and decimal point", c, u"1,234.5", true},
    {"exponent", c, u"1e5", true},
    {"exponent with sign, capital E", c, u"1.5E-3", true},
    {"exponent without digits", c, u"1e", false},
    {"exponent without mantissa", c, u"e5", false},
    {"fractional exponent", c, u"1e5.0", false},
    {"es: currency after", spanish, u"5 €", true},
    {"es: currency before, then sign", spanish, u"€-5", true},
    {"es: sign, then currency", spanish, u"-€ 5", true},
    {"es: currency twice", spanish, u"€5€", false},
    {"C: no currency symbol", c, u"€5", false},
    {"es: a no-break space between digits is a blank", spanish, u"1" + nbsp + u"234", false},
    {"Arabic-Indic digits", c, u"\u0661\u0662", false},
    {"full-width digits", c, u"\uFF11\uFF12", false},
    {"embedded NUL", c, u"12\0"s, false},
    {"emoji", c, u"1\U0001F600", false},
    {"hexadecimal", c, u"0x1A", false},
};

struct IntegerRow
{
    const char *name;
    const NumberFormat &format;
    std::u16string text;
    std::optional<std::int32_t> value;
};

const IntegerRow integerRows[] = {
    {"zero", c, u"0", 0},
    {"negative zero", c, u"-0", 0},
    {"leading zeros", c, u"00000023", 23},
    {"400 zeros then 5", c, std::u16string(400, u'0') + u'5', 5},
    {"400 digits", c, std::u16string(400, u'9'), std::nullopt},
    {"INT_MAX", c, u"2147483647", 2147483647},
    {"one past INT_MAX", c, u"2147483648", std::nullopt},
    {"INT_MIN", c, u"-2147483648", -2147483647 - 1},
    {"one below INT_MIN", c, u"-2147483649", std::nullopt},
    {"half to even: 1.5", c, u"1.5", 2},
    {"half to even: 2.5", c, u"2.5", 2},
    {"half to even: -3.5", c, u"-3.5", -4},
    {"just above a half", c, u"2.5000001", 3},
    {"just below a half", c, u"2.4999999", 2},
    {"INT_MAX plus a half rounds out of range", c, u"2147483647.5", std::nullopt},
    {"INT_MAX minus a half rounds to even", c, u"2147483646.5", 2147483646},
    {"INT_MIN minus a half rounds to even", c, u"-2147483648.5", -2147483647 - 1},
    {"es: thousands and half", spanish, u"1.234,5", 1234},
    {"es: currency", spanish, u" 12 € ", 12},
    {"C: thousands", c, u"1,234", 1234},
    {"es: Spain's currency format, with a no-break space", spanish, u"5,50\u00A0€", 6},
    {"es: no-break spaces around", spanish, nbsp + u"7" + narrowNbsp, 7},
    {"sv: the format's own minus sign", swedish, u"\u22125", -5},
    {"sv: ASCII minus", swedish, u"-5", -5},
    {"sv: groups split by no-break spaces", swedish, u"1" + nbsp + u"234", 1234},
    {"sv: groups split by narrow no-break spaces", swedish, u"1" + narrowNbsp + u"234", 1234},
    {"exponent", c, u"1e3", 1000},
    {"exponent and fraction", c, u"1.5e1", 15},
    {"negative exponent, half to even", c, u"25e-1", 2},
    {"ten billion", c, u"1e10", std::nullopt},
    {"huge exponent", c, u"1e999999", std::nullopt},
    {"exponent with 30 digits", c, u"1e" + std::u16string(30, u'9'), std::nullopt},
    {"huge negative exponent", c, u"1e-999999", 0},
    {"zero with huge exponent", c, u"0e999999", 0},
    {"lone sign", c, u"-", std::nullopt},
};

} // namespace

TEST(NumericText, IsNumeric)
{
    for (const NumericRow &row : numericRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(platform::isNumeric(row.text, row.format), row.numeric);
        if (!row.numeric) {
            EXPECT_EQ(platform::textToInteger(row.text, row.format), std::nullopt);
        }
    }
}

TEST(NumericText, TextToInteger)
{
    for (const IntegerRow &row : integerRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(platform::textToInteger(row.text, row.format), row.value);
    }
}

TEST(NumericText, TheUserFormatIsUsedWhenNoneIsGiven)
{
    platform::setUserNumberFormat(spanish);
    EXPECT_TRUE(platform::isNumeric(u"1.234,5"));
    EXPECT_EQ(platform::textToInteger(u"2,5"), 2);
    platform::setUserNumberFormat(c);
    EXPECT_FALSE(platform::isNumeric(u"1.234,5"));
}
