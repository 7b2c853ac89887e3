// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>
#include <optional>

class QLocale;
class QStringView;

namespace platform {

// Whether a text reads as a number in the user's locale (QLocale(), the default locale).
//
// Accepted forms, and nothing else:
//   - blanks (spaces, tabs, no-break and narrow no-break spaces) before and after;
//   - at most one sign before the digits: the locale's negative or positive sign, or the
//     ASCII "-" or "+" where the locale's signs are others (U+2212 in Swedish);
//   - the locale's currency symbol, once, either before the number (before or after the sign)
//     or after it, with optional blanks between symbol and number;
//   - ASCII digits "0" to "9", with the locale's group separator allowed between two digits
//     (where that is a no-break space, the narrow one does as well, and the other way round);
//   - at most one decimal separator (the locale's), with digits on at least one side;
//   - an exponent: "e" or "E", an optional sign, and at least one digit.
// So on one character it holds for "0" to "9" only. Other scripts' digits, full-width digits,
// a lone sign or separator, and an empty or blank text are not numeric.
bool isNumeric(QStringView text);
bool isNumeric(QStringView text, const QLocale &locale);

// The value of a numeric text (as isNumeric reads it), rounded to the nearest integer with
// halves going to the even neighbour. Empty when the text is not numeric or its rounded value
// lies outside the signed 32-bit range; any input is safe, however long or large.
std::optional<qint32> textToInteger(QStringView text);
std::optional<qint32> textToInteger(QStringView text, const QLocale &locale);

} // namespace platform
