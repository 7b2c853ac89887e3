// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// The credits window's title: "Créditos", a run of blanks, the web address and the year.
std::u16string_view creditsTitle();

// The credits text: the author line, the rights line and the web address, separated by runs
// of blanks long enough to push each onto a line of its own when the label wraps.
std::u16string_view creditsText();
