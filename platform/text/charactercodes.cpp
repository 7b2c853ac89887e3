// SPDX-License-Identifier: MIT
#include "charactercodes.h"

#include <array>

namespace platform {
namespace {

constexpr int kQuestionMark = 63;

// Codes 0x80 to 0x9F. The five codes the page leaves unassigned stand for themselves, as
// Windows converts them.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

int windows1252Code(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == codePoint)
            return static_cast<int>(0x80 + i);
    }
    return kQuestionMark;
}

std::u16string characterFromCode(int code)
{
    if (code < 0 || code > 0xFF)
        return std::u16string(1, u'?');
    if (code >= 0x80 && code < 0xA0)
        return std::u16string(1, kHighControlRange[static_cast<std::size_t>(code - 0x80)]);
    return std::u16string(1, static_cast<char16_t>(code));
}

std::u16string_view characterAt(std::u16string_view text, std::ptrdiff_t position)
{
    if (position < 1 || static_cast<std::size_t>(position) > text.size())
        return {};
    return text.substr(static_cast<std::size_t>(position - 1), 1);
}

} // namespace platform
