// SPDX-License-Identifier: MIT
#include "creditstexts.h"

#include "identity.h"

#include <string>

namespace {
std::u16string blanks(std::size_t count)
{
    return std::u16string(count, u' ');
}
} // namespace

std::u16string_view creditsTitle()
{
    static const std::u16string title =
        u"Créditos" + blanks(21) + u"" VELMORA_WEB_ADDRESS " " VELMORA_YEAR "©";
    return title;
}

std::u16string_view creditsText()
{
    static const std::u16string text = u"" VELMORA_AUTHOR_LINE + blanks(66) +
                                       u"" VELMORA_RIGHTS_LINE + blanks(18) +
                                       u"" VELMORA_WEB_ADDRESS;
    return text;
}
