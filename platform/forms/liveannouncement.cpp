// SPDX-License-Identifier: MIT
#include "liveannouncement.h"

namespace platform {

std::optional<std::u16string> LiveAnnouncement::textChanged(std::u16string_view text)
{
    if (text.empty() || text == last_)
        return std::nullopt;
    last_ = text;
    return name_ + u' ' + last_;
}

} // namespace platform
