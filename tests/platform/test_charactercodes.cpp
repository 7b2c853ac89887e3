// SPDX-License-Identifier: MIT
#include "charactercodes.h"

#include <gtest/gtest.h>

using platform::characterAt;
using platform::characterFromCode;
using platform::windows1252Code;

// Every code of the page is the code of its own character, so a typed character's code and the
// text made from it agree.
TEST(CharacterCodes, EveryCodeOfThePageComesBack)
{
    for (int code = 0; code <= 0xFF; ++code) {
        SCOPED_TRACE(code);
        const std::u16string text = characterFromCode(code);
        ASSERT_EQ(text.size(), 1U);
        EXPECT_EQ(windows1252Code(text.front()), code);
    }
}

TEST(CharacterCodes, CharactersOutsideThePageReadAsAQuestionMark)
{
    const struct
    {
        const char *name;
        char32_t codePoint;
        int code;
    } rows[] = {
        {"digit", U'7', '7'},
        {"n with tilde", U'ñ', 0xF1},
        {"euro sign, in the range Latin-1 leaves to controls", U'€', 0x80},
        {"curly quote", U'\u201C', 0x93},
        {"unassigned 0x81 stands for itself", U'\u0081', 0x81},
        {"Cyrillic", U'ж', '?'},
        {"emoji", U'\U0001F600', '?'},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(windows1252Code(row.codePoint), row.code);
    }
    EXPECT_EQ(characterFromCode(-1), u"?");
    EXPECT_EQ(characterFromCode(0x100), u"?");
}

TEST(CharacterCodes, CharacterAtAOneBasedPosition)
{
    const std::u16string_view table = u"TRW";
    EXPECT_EQ(characterAt(table, 1), u"T");
    EXPECT_EQ(characterAt(table, 3), u"W");
    EXPECT_EQ(characterAt(table, 0), u"");
    EXPECT_EQ(characterAt(table, 4), u"");
    EXPECT_EQ(characterAt(table, -5), u"");
}
