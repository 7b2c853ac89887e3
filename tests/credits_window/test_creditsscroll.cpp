// SPDX-License-Identifier: MIT
#include "creditsscroll.h"

#include <gtest/gtest.h>

namespace {
// The layout's figures, in twips: the panel's design-time top and height, the viewport's
// height, and the lower edge of the visible band in the viewport's coordinates.
constexpr float kDesignTop = 2040;
constexpr float kPanelHeight = 1455;
constexpr float kViewportHeight = 4095;
constexpr float kVisibleBandBottom = 2160;

float tick(float top)
{
    return nextPanelTop(top, kPanelHeight, kViewportHeight);
}

struct StepRow
{
    const char *name;
    float top;
    float next;
};

const StepRow stepRows[] = {
    {"moves up 5", kDesignTop, 2035.0F},
    {"top exactly at minus the height still moves", -1455.0F, -1460.0F},
    {"first top below minus the height jumps", -1460.0F, kViewportHeight},
    {"just below minus the height jumps", -1455.5F, kViewportHeight},
    {"after the jump, moves up again", kViewportHeight, 4090.0F},
};
} // namespace

TEST(CreditsScroll, Step)
{
    for (const StepRow &row : stepRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tick(row.top), row.next);
    }
}

TEST(CreditsScroll, FirstPassFromTheDesignTop)
{
    float top = kDesignTop;
    for (int i = 0; i < 700; ++i)
        top = tick(top);
    EXPECT_EQ(top, -1460.0F);
    EXPECT_EQ(tick(top), kViewportHeight);
}

TEST(CreditsScroll, FullCycleIs1112Ticks)
{
    float top = kViewportHeight;
    int ticks = 0;
    do {
        top = tick(top);
        ++ticks;
    } while (top != kViewportHeight && ticks < 10000);
    EXPECT_EQ(ticks, 1112);
}

TEST(CreditsScroll, PanelReachesTheVisibleBand387TicksAfterAJump)
{
    float top = kViewportHeight;
    int ticks = 0;
    while (top > kVisibleBandBottom) {
        top = tick(top);
        ++ticks;
    }
    EXPECT_EQ(ticks, 387);
}
