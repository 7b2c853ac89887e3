// SPDX-License-Identifier: MIT
#pragma once

class QString;

namespace platform {

// The system clipboard's general selection (not X11's primary selection), as plain text.
void clearClipboard();
// Returns whether the clipboard holds the text afterwards: another program may hold the
// clipboard, or take it at once.
bool setClipboardText(const QString &text);
QString clipboardText();

} // namespace platform
