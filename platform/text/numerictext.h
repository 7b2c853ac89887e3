// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

struct NumberFormat;

// Whether a text reads as a number in the user's format (userNumberFormat(), or the one given).
//
// Accepted forms, and nothing else:
//   - blanks (spaces, tabs, no-break and narrow no-break spaces) before and after;
//   - at most one sign before the digits: the format's negative or positive sign, or the
//     ASCII "-" or "+" where the format's signs are others (U+2212 in Swedish);
//   - the format's currency symbol, once, either before the number (before or after the sign)
//     or after it, with optional blanks between symbol and number;
//   - ASCII digits "0" to "9", with the format's group separator allowed between two digits
//     (where that is a no-break space, the narrow one does as well, and the other way round);
//   - at most one decimal separator (the format's), with digits on at least one side;
//   - an exponent: "e" or "E", an optional sign, and at least one digit.
// So on one character it holds for "0" to "9" only. Other scripts' digits, full-width digits,
// a lone sign or separator, and an empty or blank text are not numeric.
bool isNumeric(std::u16string_view text);
bool isNumeric(std::u16string_view text, const NumberFormat &format);

// The value of a numeric text (as isNumeric reads it), rounded to the nearest integer with
// halves going to the even neighbour. Empty when the text is not numeric or its rounded value
// lies outside the signed 32-bit range; any input is safe, however long or large.
std::optional<std::int32_t> textToInteger(std::u16string_view text);
std::optional<std::int32_t> textToInteger(std::u16string_view text, const NumberFormat &format);

} // namespace platform
