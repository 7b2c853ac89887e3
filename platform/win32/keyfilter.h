// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <windows.h>

namespace platform::win32 {

// What an edit control takes from the keyboard and the clipboard. Each character, however it
// arrives (a key, WM_CHAR from anywhere, WM_UNICHAR, the two halves of a surrogate pair), raises
// the key-press handler once with one code, and one the handler refuses has no effect at all,
// the key that typed it included (Ctrl+A does not select). A paste, however it is asked for
// (WM_PASTE, Shift+Insert, the control's menu), takes the clipboard's first line only.
class KeyFilter
{
public:
    using KeyPress = std::function<void(std::int16_t &)>;

    // Called from the edit control's subclass procedure; a result means the message was
    // handled, none that it goes on to the control as it is.
    std::optional<LRESULT> handle(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                  const KeyPress &keyPress);

private:
    std::optional<LRESULT> keyDown(HWND edit, WPARAM key, LPARAM lParam, const KeyPress &keyPress);
    LRESULT character(HWND edit, wchar_t unit, LPARAM lParam, const KeyPress &keyPress);
    LRESULT unicodeCharacter(HWND edit, WPARAM codePoint, LPARAM lParam, const KeyPress &keyPress);
    static LRESULT paste(HWND edit);

    // The first half of a surrogate pair, waiting for the second.
    wchar_t pendingHighSurrogate_ = 0;
};

} // namespace platform::win32
