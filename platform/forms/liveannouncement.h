// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// What a live text box is called while it holds this text: its spoken name, a blank and the
// text ("Letra Z"); either alone if the other is empty.
std::u16string liveRegionWords(std::u16string_view name, std::u16string_view text);

// What a screen reader is told when a live text box (ControlDesign::liveRegion) changes: its
// spoken name and its new text, "Letra Z", once per change and never for the same text again.
// Each backend delivers it in its own way; this decides only what is said and when.
class LiveAnnouncement
{
public:
    explicit LiveAnnouncement(std::u16string_view name) : name_(name) {}

    // The words for the text the box holds now, or nothing if they would repeat the last ones
    // or if it is empty.
    std::optional<std::u16string> textChanged(std::u16string_view text);

private:
    std::u16string name_;
    std::u16string last_;
};

} // namespace platform
