// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whether a number and a letter make a DNI, and its full identifier if they do. What the copy
// lets out: the number field may show a letter for any numeric text ("+5", "1.000"), but only
// a DNI leaves the program. Knows no locale: plain ASCII digits read the same everywhere.

// The number followed by the letter, when the number is one to eight ASCII digits (leading
// zeros allowed) and the letter is the check letter of their value; nothing otherwise.
std::optional<std::u16string> fullIdentifier(std::u16string_view number,
                                             std::u16string_view letter);
