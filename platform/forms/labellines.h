// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ControlDesign;
struct FontDesign;

// The width in twips of a text in a design's font at its point size, whatever the face: the
// unhinted advance widths of Liberation Sans (Arial's widths), the face that stands in for the
// designs' "MS Sans Serif" and "Arial" on both backends here. Characters outside Latin-1 count
// a full em, more than any of them takes. Rounded up to a whole twip.
int designTextWidth(std::u16string_view text, const FontDesign &font);

// The lines a label shows, the same on every backend and at every density: a word-wrapping
// label's text wrapped to its width at design-time widths, any other label's text broken only
// at its line breaks. Each backend draws them as they are, with no further wrapping.
std::vector<std::u16string> labelLines(const ControlDesign &label, const FontDesign &windowFont);

} // namespace platform
