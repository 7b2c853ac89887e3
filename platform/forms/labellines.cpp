// SPDX-License-Identifier: MIT
#include "labellines.h"

#include "formdesign.h"
#include "utf16.h"
#include "wraplines.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace platform {
namespace {

// Advance widths from U+0020 to U+00FF in units of 2048 to the em, read from the fonts-liberation
// files; 0 for the C1 controls, which have no glyph.
constexpr int kUnitsPerEm = 2048;
constexpr char16_t kFirstInTable = 0x20;

// clang-format off
constexpr std::array<std::uint16_t, 224> kRegular = {
    569, 569, 727, 1139, 1139, 1821, 1366, 391, // U+0020
    682, 682, 797, 1196, 569, 682, 569, 569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, // U+0030
    1139, 1139, 569, 569, 1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, // U+0040
    1479, 569, 1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, // U+0050
    1366, 1366, 1251, 569, 569, 569, 961, 1139,
    682, 1139, 1139, 1024, 1139, 1139, 569, 1139, // U+0060
    1139, 455, 455, 1024, 455, 1706, 1139, 1139,
    1139, 1139, 682, 1024, 569, 1139, 1024, 1479, // U+0070
    1024, 1024, 1024, 684, 532, 684, 1196, 0,
    0, 0, 0, 0, 0, 0, 0, 0, // U+0080
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, // U+0090
    0, 0, 0, 0, 0, 0, 0, 0,
    569, 682, 1139, 1139, 1139, 1139, 532, 1139, // U+00A0
    682, 1509, 758, 1139, 1196, 682, 1509, 1131,
    819, 1124, 682, 682, 682, 1180, 1100, 569, // U+00B0
    682, 682, 748, 1139, 1708, 1708, 1708, 1251,
    1366, 1366, 1366, 1366, 1366, 1366, 2048, 1479, // U+00C0
    1366, 1366, 1366, 1366, 569, 569, 569, 569,
    1479, 1479, 1593, 1593, 1593, 1593, 1593, 1196, // U+00D0
    1593, 1479, 1479, 1479, 1479, 1366, 1366, 1251,
    1139, 1139, 1139, 1139, 1139, 1139, 1821, 1024, // U+00E0
    1139, 1139, 1139, 1139, 569, 569, 569, 569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1124, // U+00F0
    1251, 1139, 1139, 1139, 1139, 1024, 1139, 1024,
};
constexpr std::array<std::uint16_t, 224> kBold = {
    569, 682, 971, 1139, 1139, 1821, 1479, 487, // U+0020
    682, 682, 797, 1196, 569, 682, 569, 569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, // U+0030
    1139, 1139, 682, 682, 1196, 1196, 1196, 1251,
    1997, 1479, 1479, 1479, 1479, 1366, 1251, 1593, // U+0040
    1479, 569, 1139, 1479, 1251, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, // U+0050
    1366, 1366, 1251, 682, 569, 682, 1196, 1139,
    682, 1139, 1251, 1139, 1251, 1139, 682, 1251, // U+0060
    1251, 569, 569, 1139, 569, 1821, 1251, 1251,
    1251, 1251, 797, 1139, 682, 1251, 1139, 1593, // U+0070
    1139, 1139, 1024, 797, 573, 797, 1196, 0,
    0, 0, 0, 0, 0, 0, 0, 0, // U+0080
    0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, // U+0090
    0, 0, 0, 0, 0, 0, 0, 0,
    569, 682, 1139, 1139, 1139, 1139, 573, 1139, // U+00A0
    682, 1509, 758, 1139, 1196, 682, 1509, 1131,
    819, 1124, 682, 682, 682, 1180, 1139, 569, // U+00B0
    682, 682, 748, 1139, 1708, 1708, 1708, 1251,
    1479, 1479, 1479, 1479, 1479, 1479, 2048, 1479, // U+00C0
    1366, 1366, 1366, 1366, 569, 569, 569, 569,
    1479, 1479, 1593, 1593, 1593, 1593, 1593, 1196, // U+00D0
    1593, 1479, 1479, 1479, 1479, 1366, 1366, 1251,
    1139, 1139, 1139, 1139, 1139, 1139, 1821, 1139, // U+00E0
    1139, 1139, 1139, 1139, 569, 569, 569, 569,
    1251, 1251, 1251, 1251, 1251, 1251, 1251, 1124, // U+00F0
    1251, 1251, 1251, 1251, 1251, 1139, 1251, 1139,
};
// clang-format on

constexpr int kTwipsPerPoint = 20;

int advance(char16_t character, bool bold)
{
    const auto &widths = bold ? kBold : kRegular;
    if (character >= kFirstInTable && character - kFirstInTable < static_cast<int>(widths.size())) {
        if (const int width = widths[character - kFirstInTable])
            return width;
    }
    return kUnitsPerEm;
}

} // namespace

int designTextWidth(std::u16string_view text, const FontDesign &font)
{
    long units = 0;
    for (std::size_t i = 0; i < text.size(); i += characterLength(text.substr(i)))
        units += advance(text[i], font.bold);
    return static_cast<int>(
        std::ceil(static_cast<double>(units) * font.points * kTwipsPerPoint / kUnitsPerEm));
}

std::vector<std::u16string> labelLines(const ControlDesign &label, const FontDesign &windowFont)
{
    if (!label.wordWrap) {
        const std::vector<std::u16string_view> lines = breakLines(label.text);
        return {lines.begin(), lines.end()};
    }
    const FontDesign &font = label.font ? *label.font : windowFont;
    return wrapLines(label.text, label.width,
                     [&font](std::u16string_view text) { return designTextWidth(text, font); });
}

} // namespace platform
