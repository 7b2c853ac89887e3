// SPDX-License-Identifier: MIT
#include "checkletter.h"
#include "numberformat.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::u16string digits(int number)
{
    std::u16string text;
    for (const char c : std::to_string(number))
        text.push_back(static_cast<char16_t>(c));
    return text;
}

struct LetterRow
{
    const char *name;
    std::u16string number;
    std::u16string letter;
};

const LetterRow letterRows[] = {
    {"23 wraps to the first letter", u"23", u"T"},
    {"1000, remainder 11", u"1000", u"B"},
    {"12345678", u"12345678", u"Z"},
    {"99999999, largest typed number", u"99999999", u"R"},
    {"leading zeros ignored", u"00000023", u"T"},
    {"INT_MAX, remainder 5", u"2147483647", u"M"},
    {"negative multiple of 23", u"-46", u"T"},
    {"lowest multiple of 23 in range", u"-2147483642", u"T"},
    // The rule has no letter for these.
    {"negative, not a multiple of 23", u"-1", u""},
    {"INT_MIN", u"-2147483648", u""},
    {"one past INT_MAX", u"2147483648", u""},
};

} // namespace

// Every row of the table, so a misplaced letter cannot hide.
TEST(CalcularLetra, EveryRemainderHasItsTableLetter)
{
    const std::u16string table = u"TRWAGMYFPDXBNJZSQVHLCKE";
    for (int remainder = 0; remainder < 23; ++remainder) {
        SCOPED_TRACE(remainder);
        EXPECT_EQ(CalcularLetra(digits(remainder)), table.substr(remainder, 1));
    }
}

TEST(CalcularLetra, WorkedValuesAndNumbersWithoutALetter)
{
    platform::setUserNumberFormat({});
    for (const LetterRow &row : letterRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CalcularLetra(row.number), row.letter);
    }
}
