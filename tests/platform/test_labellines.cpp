// SPDX-License-Identifier: MIT
#include "formdesign.h"
#include "labellines.h"
#include "wraplines.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using platform::ControlDesign;
using platform::FontDesign;
using Lines = std::vector<std::u16string>;

namespace {

// One unit to the UTF-16 unit, and three for a W, the one wide letter.
int unitWidth(std::u16string_view text)
{
    int width = 0;
    for (const char16_t unit : text)
        width += unit == u'W' ? 3 : 1;
    return width;
}

ControlDesign label(int width, std::u16string_view text, bool wordWrap,
                    std::optional<FontDesign> font = {})
{
    return {.name = "Label1",
            .kind = platform::ControlKind::Label,
            .width = width,
            .text = text,
            .font = font,
            .wordWrap = wordWrap};
}

} // namespace

TEST(WrapLines, LinesOfATextAtAWidth)
{
    const struct
    {
        const char *name;
        std::u16string_view text;
        int width;
        Lines lines;
    } rows[] = {
        {"a text that fits stays on one line", u"one two", 10, {u"one two"}},
        {"a line exactly as wide as the label fits", u"one two", 7, {u"one two"}},
        {"breaks at the last blank that fits",
         u"one two three four",
         9,
         {u"one two", u"three", u"four"}},
        {"blanks between words on a line stay", u"one   two", 9, {u"one   two"}},
        {"blanks at a break are dropped from both lines", u"one     two", 5, {u"one", u"two"}},
        {"a run of blanks wider than the label pushes the next word down",
         u"one                    two",
         10,
         {u"one", u"two"}},
        {"blanks that end the text are dropped", u"one   ", 10, {u"one"}},
        {"a word wider than the label is cut where it reaches the edge",
         u"abcdefghij",
         4,
         {u"abcd", u"efgh", u"ij"}},
        {"a word too wide for any line starts a line of its own",
         u"ab abcdefgh",
         5,
         {u"ab", u"abcde", u"fgh"}},
        {"a letter wider than the label still shows, alone", u"aWb c", 2, {u"a", u"W", u"b", u"c"}},
        {"a surrogate pair is never split",
         u"\U0001F600\U0001F600\U0001F600",
         3,
         {u"\U0001F600", u"\U0001F600", u"\U0001F600"}},
        {"a no-break space holds its words together", u"aa bb\u00A0cc", 6, {u"aa", u"bb\u00A0cc"}},
        {"a line break starts a new line", u"one\ntwo", 20, {u"one", u"two"}},
        {"CR LF is one break", u"one\r\ntwo", 20, {u"one", u"two"}},
        {"two breaks leave an empty line between", u"one\n\ntwo", 20, {u"one", u"", u"two"}},
        {"blanks after a line break stay", u"one\n  two", 20, {u"one", u"  two"}},
        {"each line after a break wraps on its own",
         u"aaa bbb\nccc ddd",
         5,
         {u"aaa", u"bbb", u"ccc", u"ddd"}},
        {"blanks alone make one empty line", u"    ", 2, {u""}},
        {"an empty text has no lines", u"", 10, {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(platform::wrapLines(row.text, row.width, unitWidth), row.lines);
    }
}

// An em is 20 twips to the point; Latin-1 letters take their face's share of it.
TEST(DesignTextWidth, TwipsOfATextInADesignFont)
{
    const FontDesign regular{u"MS Sans Serif", 8};
    const struct
    {
        const char *name;
        std::u16string_view text;
        FontDesign font;
        int twips;
    } rows[] = {
        {"an empty text takes nothing", u"", regular, 0},
        {"a blank, rounded up to a whole twip", u" ", regular, 45},
        {"a word adds its letters' widths", u"velmora.example", regular, 1219},
        {"twice the points, twice the width", u"velmora.example", {u"MS Sans Serif", 16}, 2437},
        {"bold letters are wider", u"velmora.example", {u"MS Sans Serif", 8, true}, 1299},
        {"a letter outside Latin-1 counts an em", u"\u0436", regular, 160},
        {"a surrogate pair is one character, an em", u"\U0001F600", regular, 160},
        {"a C1 control counts an em", u"\u0085", regular, 160},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(platform::designTextWidth(row.text, row.font), row.twips);
    }
}

TEST(LabelLines, WrappingFollowsTheLabelsDesign)
{
    const FontDesign window{u"MS Sans Serif", 8};
    // 2482 twips at 8 points, each word 2437 at 16.
    const std::u16string_view text = u"velmora.example velmora.example";
    const struct
    {
        const char *name;
        ControlDesign label;
        Lines lines;
    } rows[] = {
        {"a word-wrapping label exactly as wide as its text keeps one line",
         label(2482, text, true),
         {std::u16string(text)}},
        {"a twip narrower, it wraps",
         label(2481, text, true),
         {u"velmora.example", u"velmora.example"}},
        {"its own font is measured, not the window's",
         label(2700, text, true, FontDesign{u"MS Sans Serif", 16}),
         {u"velmora.example", u"velmora.example"}},
        {"a label without word wrap keeps its line whole however narrow",
         label(15, u"Letra ", false),
         {u"Letra "}},
        {"a label without word wrap still breaks at line breaks",
         label(15, u"uno\r\ndos", false),
         {u"uno", u"dos"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(platform::labelLines(row.label, window), row.lines);
    }
}
