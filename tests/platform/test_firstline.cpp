// SPDX-License-Identifier: MIT
#include "firstline.h"

#include <gtest/gtest.h>
#include <string>

using namespace std::string_literals;

// What a single-line text box keeps of a paste, whichever way it arrives.
TEST(FirstLine, EndsAtTheFirstLineBreakOrNul)
{
    const struct
    {
        const char *name;
        std::u16string text;
        std::u16string_view line;
    } rows[] = {
        {"one line, whole", u"1234", u"1234"},
        {"LF", u"12\n34", u"12"},
        {"CR LF", u"12\r\n34", u"12"},
        {"CR", u"12\r34", u"12"},
        {"vertical tab", u"12\v34", u"12"},
        {"form feed", u"12\f34", u"12"},
        {"next line", u"12\u008534", u"12"},
        {"line separator", u"12\u202834", u"12"},
        {"paragraph separator", u"12\u202934", u"12"},
        {"NUL, where a Windows text ends",
         u"12\0"s
         u"34",
         u"12"},
        {"a break first leaves nothing", u"\n34", u""},
        {"a tab is no break", u"1\t2", u"1\t2"},
        {"empty", u"", u""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(platform::firstLine(row.text), row.line);
    }
}
