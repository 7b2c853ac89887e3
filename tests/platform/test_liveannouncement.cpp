// SPDX-License-Identifier: MIT
#include "liveannouncement.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using platform::LiveAnnouncement;

namespace {

struct Case
{
    const char *behaviour;
    // The texts the box is given, one after another.
    std::vector<std::u16string> texts;
    // What is said after each of them; "" for nothing.
    std::vector<std::u16string> said;
};

const Case kCases[] = {
    {"each new letter, with the field's name",
     {u"R", u"N", u"P"},
     {u"Letra R", u"Letra N", u"Letra P"}},
    {"the same letter again is not repeated", {u"W", u"W", u"W"}, {u"Letra W", u"", u""}},
    {"a letter that comes back after another is said again",
     {u"S", u"V", u"S"},
     {u"Letra S", u"Letra V", u"Letra S"}},
    {"an emptied field says nothing, and the letter it held is not new after it",
     {u"R", u"", u"R", u"N"},
     {u"Letra R", u"", u"", u"Letra N"}},
};

} // namespace

TEST(LiveAnnouncement, SaysEachChangeOnce)
{
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.behaviour);
        LiveAnnouncement announcement(u"Letra");
        for (std::size_t i = 0; i < c.texts.size(); ++i)
            EXPECT_EQ(announcement.textChanged(c.texts[i]).value_or(u""), c.said[i])
                << "after text " << i;
    }
}

// What Windows' screen readers speak as the live field's name, and Orca as its announcement.
TEST(LiveRegionWords, NameAndTextWithOneBlankAndNoStrayBlank)
{
    EXPECT_EQ(platform::liveRegionWords(u"Letra", u"Z"), u"Letra Z");
    EXPECT_EQ(platform::liveRegionWords(u"Letra", u""), u"Letra");
    EXPECT_EQ(platform::liveRegionWords(u"", u"Z"), u"Z");
}
