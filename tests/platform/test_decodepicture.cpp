// SPDX-License-Identifier: MIT
#include "committedpicture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The decoder on the committed pictures, whole and cut short, and on bytes that are no picture:
// a picture gives its size and four bytes a pixel, with its transparency where it has one;
// anything else gives nothing, and never a crash.
namespace {

struct Input
{
    const char *name;
    std::vector<char> bytes;
    // 0 for no picture.
    int width;
    int height;
    bool hasAlpha;
};

std::vector<char> firstBytes(std::vector<char> bytes, std::size_t length)
{
    bytes.resize(std::min(length, bytes.size()));
    return bytes;
}

std::vector<Input> inputs()
{
    const std::vector<char> jpeg = committedPictureBytes("background.jpg");
    const std::vector<char> png = committedPictureBytes("pointing_hand.png");
    const std::string text = "12345678Z";
    return {
        {"JpegWhole", jpeg, 509, 258, false},
        {"PngWithTransparency", png, 32, 32, true},
        {"JpegCutInItsPictureData", firstBytes(jpeg, jpeg.size() / 2), 0, 0, false},
        {"NoBytes", {}, 0, 0, false},
        {"NotAPicture", {text.begin(), text.end()}, 0, 0, false},
    };
}

} // namespace

TEST(DecodePicture, GivesThePictureOrNothing)
{
    for (const Input &input : inputs()) {
        SCOPED_TRACE(input.name);
        const auto picture = decodeBytes(input.bytes);
        if (input.width == 0) {
            EXPECT_FALSE(picture);
            continue;
        }
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->width, input.width);
        EXPECT_EQ(picture->height, input.height);
        EXPECT_EQ(picture->hasAlpha, input.hasAlpha);
        int opaque = 0;
        int clear = 0;
        const auto rgba = picture->rgba();
        for (std::size_t alpha = 3; alpha < rgba.size(); alpha += 4) {
            opaque += rgba[alpha] == 255;
            clear += rgba[alpha] == 0;
        }
        if (input.hasAlpha) {
            EXPECT_GT(opaque, 0);
            EXPECT_GT(clear, 0);
        } else {
            EXPECT_EQ(opaque, input.width * input.height);
        }
    }
}
