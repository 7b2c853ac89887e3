// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The desktop's services that handlers call, one implementation per backend.
namespace platform {

// The desktop's standard alert.
void beep();
// How many beeps this process has sounded: lets tests hear a beep without a sound device.
int beepCount();

// The system clipboard, as plain text.
void clearClipboard();
// Returns whether the clipboard holds the text afterwards: another program may hold the
// clipboard open, or take it at once.
bool setClipboardText(std::u16string_view text);
std::u16string clipboardText();

} // namespace platform
