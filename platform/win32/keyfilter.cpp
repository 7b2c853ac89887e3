// SPDX-License-Identifier: MIT
#include "keyfilter.h"

#include "firstline.h"
#include "services.h"
#include "utf16.h"
#include "win32text.h"

#include <commctrl.h>

namespace platform::win32 {
namespace {

bool held(int key)
{
    return GetKeyState(key) < 0;
}

// The code of one typed character in the user's ANSI code page, as the old desktop handed it to
// key-press handlers; 63, the question mark, for one the page does not hold, a character
// outside the 16-bit range included.
int ansiCode(const std::wstring &character)
{
    char bytes[8] = {};
    BOOL defaulted = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, character.data(),
                                           static_cast<int>(character.size()), bytes, sizeof(bytes),
                                           nullptr, &defaulted);
    if (length == 1 && !defaulted)
        return static_cast<unsigned char>(bytes[0]);
    return '?';
}

// Asks the handler about one character; true if it lets it in.
bool admits(const KeyFilter::KeyPress &keyPress, const std::wstring &character)
{
    if (!keyPress)
        return true;
    auto code = static_cast<std::int16_t>(ansiCode(character));
    keyPress(code);
    return code != 0;
}

// Hands an admitted character to the control, unit by unit, as it would have had it.
void insert(HWND edit, const std::wstring &character, LPARAM lParam)
{
    for (const wchar_t unit : character)
        DefSubclassProc(edit, WM_CHAR, unit, lParam);
}

} // namespace

std::optional<LRESULT> KeyFilter::handle(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                         const KeyPress &keyPress)
{
    switch (message) {
    case WM_KEYDOWN:
        return keyDown(edit, wParam, lParam, keyPress);
    case WM_CHAR:
        return character(edit, static_cast<wchar_t>(wParam), lParam, keyPress);
    case WM_UNICHAR:
        return unicodeCharacter(edit, wParam, lParam, keyPress);
    case WM_PASTE:
        return paste(edit);
    default:
        return std::nullopt;
    }
}

// The control acts on some keys as they go down (Ctrl+A selects everything) and inserts their
// character later. The character is already queued behind the key: it is judged first, and if
// the handler refuses it, neither the key nor the character reaches the control.
std::optional<LRESULT> KeyFilter::keyDown(HWND edit, WPARAM key, LPARAM lParam,
                                          const KeyPress &keyPress)
{
    if (key == VK_INSERT && held(VK_SHIFT) && !held(VK_CONTROL) && !held(VK_MENU)) {
        SendMessageW(edit, WM_PASTE, 0, 0);
        return 0;
    }
    MSG typed;
    if (!keyPress || !PeekMessageW(&typed, edit, WM_CHAR, WM_CHAR, PM_REMOVE))
        return std::nullopt;
    std::wstring character(1, static_cast<wchar_t>(typed.wParam));
    MSG second;
    if (isHighSurrogate(character[0]) &&
        PeekMessageW(&second, edit, WM_CHAR, WM_CHAR, PM_NOREMOVE) &&
        isLowSurrogate(static_cast<wchar_t>(second.wParam))) {
        PeekMessageW(&second, edit, WM_CHAR, WM_CHAR, PM_REMOVE);
        character += static_cast<wchar_t>(second.wParam);
    }
    if (!admits(keyPress, character))
        return 0;
    DefSubclassProc(edit, WM_KEYDOWN, key, lParam);
    insert(edit, character, typed.lParam);
    return 0;
}

LRESULT KeyFilter::character(HWND edit, wchar_t unit, LPARAM lParam, const KeyPress &keyPress)
{
    if (isHighSurrogate(unit)) {
        pendingHighSurrogate_ = unit;
        return 0;
    }
    std::wstring character;
    if (isLowSurrogate(unit) && pendingHighSurrogate_)
        character += pendingHighSurrogate_;
    character += unit;
    pendingHighSurrogate_ = 0;
    if (admits(keyPress, character))
        insert(edit, character, lParam);
    return 0;
}

LRESULT KeyFilter::unicodeCharacter(HWND edit, WPARAM codePoint, LPARAM lParam,
                                    const KeyPress &keyPress)
{
    // Tells the sender that this window takes WM_UNICHAR.
    if (codePoint == UNICODE_NOCHAR)
        return TRUE;
    std::wstring character;
    if (codePoint > 0xFFFF && codePoint <= 0x10FFFF) {
        const WPARAM offset = codePoint - 0x10000;
        character = {static_cast<wchar_t>(0xD800 + (offset >> 10)),
                     static_cast<wchar_t>(0xDC00 + (offset & 0x3FF))};
    } else {
        character = {static_cast<wchar_t>(codePoint <= 0xFFFF ? codePoint : L'?')};
    }
    if (admits(keyPress, character))
        insert(edit, character, lParam);
    return FALSE;
}

LRESULT KeyFilter::paste(HWND edit)
{
    if ((GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) ||
        !IsClipboardFormatAvailable(CF_UNICODETEXT))
        return 0;
    const std::wstring line = wide(firstLine(clipboardText()));
    // Replaces the selection as the control's own paste does, within its length limit, and
    // can be undone.
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
    return 0;
}

} // namespace platform::win32
