// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

namespace platform {

// The text up to its first line break (CR, LF, VT, FF, NEL, or the Unicode line and paragraph
// separators), or all of it when it has none: what a single-line text box takes of a paste.
QStringView firstLine(QStringView text);

} // namespace platform
