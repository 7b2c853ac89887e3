// SPDX-License-Identifier: MIT
#include "services.h"

#include "win32text.h"

#include <cstring>
#include <windows.h>

namespace platform {
namespace {

int beeps = 0;

// The clipboard needs an owner window for SetClipboardData to succeed after EmptyClipboard.
HWND clipboardOwner()
{
    static const HWND owner = CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE,
                                              nullptr, GetModuleHandleW(nullptr), nullptr);
    return owner;
}

// Another program may hold the clipboard open for a moment: try again for a quarter of a
// second before giving up.
bool openClipboard()
{
    const ULONGLONG start = GetTickCount64();
    while (!OpenClipboard(clipboardOwner())) {
        if (GetTickCount64() - start >= 250)
            return false;
        Sleep(10);
    }
    return true;
}

} // namespace

void beep()
{
    ++beeps;
    MessageBeep(MB_OK);
}

int beepCount()
{
    return beeps;
}

void clearClipboard()
{
    if (openClipboard()) {
        EmptyClipboard();
        CloseClipboard();
    }
}

bool setClipboardText(std::u16string_view text)
{
    if (!openClipboard())
        return false;
    EmptyClipboard();
    bool placed = false;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t))) {
        auto *units = static_cast<char16_t *>(GlobalLock(memory));
        std::memcpy(units, text.data(), text.size() * sizeof(char16_t));
        units[text.size()] = u'\0';
        GlobalUnlock(memory);
        placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!placed)
            GlobalFree(memory);
    }
    CloseClipboard();
    return placed && clipboardText() == text;
}

std::u16string clipboardText()
{
    if (!openClipboard())
        return {};
    std::u16string text;
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *units = static_cast<const wchar_t *>(GlobalLock(memory))) {
            text = win32::utf16(units);
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace platform
