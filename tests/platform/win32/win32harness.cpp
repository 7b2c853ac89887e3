// SPDX-License-Identifier: MIT
#include "win32harness.h"

#include "childcontrol.h"
#include "formdesign.h"
#include "navigation.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace harness {
namespace {

struct PendingBox
{
    SeenMessageBox *seen = nullptr;
    std::function<void()> whileOpen;
    UINT_PTR timer = 0;
    std::chrono::steady_clock::time_point deadline;
};
PendingBox pending;

BOOL CALLBACK findVisibleBox(HWND window, LPARAM result)
{
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (IsWindowVisible(window) && std::wstring_view(className) == L"#32770") {
        *reinterpret_cast<HWND *>(result) = window;
        return FALSE;
    }
    return TRUE;
}

HWND openMessageBox()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findVisibleBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

struct IdSearch
{
    int id;
    HWND found;
};

BOOL CALLBACK findById(HWND child, LPARAM data)
{
    auto *search = reinterpret_cast<IdSearch *>(data);
    if (GetDlgCtrlID(child) != search->id)
        return TRUE;
    search->found = child;
    return FALSE;
}

// The box's message: the longest text among its static controls.
std::wstring boxText(HWND box)
{
    std::wstring longest;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (std::wstring_view(className) == L"Static" && text(child).size() > longest.size())
            longest = text(child);
    }
    return longest;
}

void CALLBACK lookForBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = openMessageBox();
    if (!box && std::chrono::steady_clock::now() < pending.deadline)
        return;
    KillTimer(nullptr, std::exchange(pending.timer, 0));
    if (!box)
        return;
    pending.seen->opened = true;
    pending.seen->title = text(box);
    pending.seen->text = boxText(box);
    if (pending.whileOpen)
        pending.whileOpen();
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

} // namespace

int pump(std::chrono::milliseconds duration)
{
    int timers = 0;
    const auto end = std::chrono::steady_clock::now() + duration;
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            // The last window closed asks the loop to end; the tests go on.
            if (message.message == WM_QUIT)
                continue;
            if (message.message == WM_TIMER)
                ++timers;
            if (platform::win32::dispatchDialogMessage(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    } while (std::chrono::steady_clock::now() < end);
    return timers;
}

bool pumpUntil(const std::function<bool()> &condition)
{
    const auto end = std::chrono::steady_clock::now() + 5s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        pump(5ms);
    }
    return true;
}

HWND formWindow(const platform::FormDesign &design)
{
    const std::wstring title(design.title.begin(), design.title.end());
    return FindWindowW(L"VelmoraForm", title.c_str());
}

HWND control(HWND form, const platform::FormDesign &design, std::string_view name)
{
    const auto found = std::find_if(design.controls.begin(), design.controls.end(),
                                    [name](const auto &control) { return control.name == name; });
    if (found == design.controls.end())
        return nullptr;
    IdSearch search{platform::win32::kFirstControlId +
                        static_cast<int>(found - design.controls.begin()),
                    nullptr};
    EnumChildWindows(form, findById, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring text(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT placement(HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

void sendCharacters(HWND window, std::wstring_view characters)
{
    for (const wchar_t character : characters)
        SendMessageW(window, WM_CHAR, character, 1);
}

void pressKey(HWND window, UINT key, std::initializer_list<int> held)
{
    BYTE saved[256];
    GetKeyboardState(saved);
    BYTE state[256];
    std::copy(std::begin(saved), std::end(saved), std::begin(state));
    for (const int heldKey : held)
        state[heldKey] = 0x80;
    SetKeyboardState(state);
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(window, WM_KEYDOWN, key, scan | 1);
    pump(20ms);
    PostMessageW(window, WM_KEYUP, key, scan | 1 | (LPARAM{1} << 30) | (LPARAM{1} << 31));
    pump(20ms);
    SetKeyboardState(saved);
}

void stopAnsweringMessageBoxes()
{
    if (pending.timer)
        KillTimer(nullptr, pending.timer);
    pending = {};
}

void answerNextMessageBox(SeenMessageBox &seen, std::function<void()> whileOpen)
{
    pending.seen = &seen;
    pending.whileOpen = std::move(whileOpen);
    pending.deadline = std::chrono::steady_clock::now() + 5s;
    pending.timer = SetTimer(nullptr, 0, 10, lookForBox);
}

} // namespace harness
