// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

namespace platform {

// Character codes as the key-press hook sees them: the Windows-1252 (Western ANSI) code page.
// A code point with no place in that page reads as 63, the question mark.
int windows1252Code(char32_t codePoint);

// The one-character text of a Windows-1252 code; a code outside 0..255 gives "?".
QString characterFromCode(int code);

// The one character at a 1-based position, or an empty view when the position is outside.
// A view into the text: nothing is copied.
QStringView characterAt(QStringView text, qsizetype position);

} // namespace platform
