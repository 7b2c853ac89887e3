// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// The DNI check letter: the number modulo 23 picks a letter of a fixed table.
// Pure: no widgets, no state. Does not decide whether a text is worth converting; the caller
// checks that it is non-empty and numeric first.

inline constexpr std::u16string_view kLetterTable = u"TRWAGMYFPDXBNJZSQVHLCKE";

// The check letter of a number text read in the user's number format, as a one-character view
// into the letter table. Empty when the text converts to no 32-bit integer, or to a negative
// one that is not a multiple of 23: the table has no letter for those. The text is only read,
// never changed.
std::u16string_view CalcularLetra(std::u16string_view numberText);
