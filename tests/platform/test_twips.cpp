// SPDX-License-Identifier: MIT
#include "twips.h"

#include <gtest/gtest.h>

TEST(PixelsFromTwips, NearestWholePixelAtADensity)
{
    const struct
    {
        const char *name;
        double twips;
        int dpi;
        int pixels;
    } rows[] = {
        {"a whole pixel", 2040, 96, 136},
        {"a third past a pixel, down", 2030, 96, 135},
        {"two thirds past a pixel, up", 2035, 96, 136},
        {"above the top, a third short, up", -1445, 96, -96},
        {"above the top, two thirds short, down", -1450, 96, -97},
        {"a half, away from zero", 2010, 120, 168},
        {"a negative half, away from zero", -2010, 120, -168},
        {"twice the density, twice the pixels", 2895, 192, 386},
        {"a quarter at 120 dpi, down", 2895, 120, 241},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(platform::pixelsFromTwips(row.twips, row.dpi), row.pixels);
    }
}
