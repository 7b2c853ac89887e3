// SPDX-License-Identifier: MIT
#include "liveannouncement.h"

namespace platform {

std::u16string liveRegionWords(std::u16string_view name, std::u16string_view text)
{
    std::u16string words(name);
    if (!words.empty() && !text.empty())
        words += u' ';
    return words.append(text);
}

std::optional<std::u16string> LiveAnnouncement::textChanged(std::u16string_view text)
{
    if (text.empty() || text == last_)
        return std::nullopt;
    last_ = text;
    return liveRegionWords(name_, last_);
}

} // namespace platform
