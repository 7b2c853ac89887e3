// SPDX-License-Identifier: MIT
#include "geometry.h"

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

TEST(CentredStart, WindowCentredInItsArea)
{
    EXPECT_EQ(platform::centredStart(0, 1024, 455), 284);
    EXPECT_EQ(platform::centredStart(30, 738, 222), 288) << "the area starts below a panel";
    EXPECT_EQ(platform::centredStart(0, 100, 300), -100) << "wider than the area: both edges off";
}

// The 2x image above 100 %, drawn at the screen's pixels: resized except at exactly 200 %.
TEST(PictureAtDensity, ImageAndItsLengthOnTheScreen)
{
    const struct
    {
        const char *name;
        double ratio;
        int scale;
        int length;
    } rows[] = {
        {"100 %: the 1x image as it is", 1.0, 1, 509},
        {"below 100 %: the 1x image shrunk", 0.75, 1, 382},
        {"125 %: the 2x image shrunk", 1.25, 2, 636},
        {"150 %", 1.5, 2, 764},
        {"200 %: the 2x image as it is", 2.0, 2, 1018},
        {"300 %: the 2x image enlarged", 3.0, 2, 1527},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const int scale = platform::pictureScale(row.ratio);
        EXPECT_EQ(scale, row.scale);
        EXPECT_EQ(platform::pictureLength(509 * scale, scale, row.ratio), row.length);
    }
}
