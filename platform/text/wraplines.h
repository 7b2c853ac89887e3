// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The width of a run of text, in the same unit as the width it is wrapped to.
using TextWidth = std::function<int(std::u16string_view)>;

// The text's lines as its line breaks (CR LF, LF or CR) end them. An empty text has none.
std::vector<std::u16string_view> breakLines(std::u16string_view text);

// The lines a word-wrapping label makes of its text within the given width, as measured: it
// breaks at line breaks, as breakLines does, and between words at blanks (U+0020; a no-break
// space holds its words together), taking as many words on each line as fit. The blanks at a
// break are dropped, from both lines, and so are the blanks that end a line; blanks that open
// the text or follow a line break stay. A word wider than the width on a line of its own is
// cut where it reaches the width (one character at least per line, a surrogate pair never
// split). An empty text has no lines. It knows no font, toolkit or density.
std::vector<std::u16string> wrapLines(std::u16string_view text, int width,
                                      const TextWidth &textWidth);

} // namespace platform
