// SPDX-License-Identifier: MIT
#pragma once

class QString;

namespace platform {

// The system clipboard's general selection (not X11's primary selection), as plain text.
void clearClipboard();
void setClipboardText(const QString &text);
QString clipboardText();

} // namespace platform
