// SPDX-License-Identifier: MIT
#include "creditsscroll.h"

#include <gtest/gtest.h>

namespace {
// The layout's figures, in twips: the panel's design-time top and height, and the viewport's
// height.
constexpr float kDesignTop = 2040;
constexpr float kPanelHeight = 1455;
constexpr float kViewportHeight = 4095;

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
