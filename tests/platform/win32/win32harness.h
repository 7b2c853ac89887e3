// SPDX-License-Identifier: MIT
#pragma once

#include <cctype>
#include <chrono>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <windows.h>

namespace platform {
struct FormDesign;
}

// Drives the Win32 backend's real windows in this process, as its message loop and a user would:
// window messages in, texts, positions, beeps and the clipboard read back.
namespace harness {

using namespace std::chrono_literals;

// Runs the program's message loop for a while; returns how many timer messages it dispatched.
int pump(std::chrono::milliseconds duration);
// Runs it until the condition holds, for five seconds at most; returns whether it held.
bool pumpUntil(const std::function<bool()> &condition);

// A window of ours by its design, once loaded and shown.
HWND formWindow(const platform::FormDesign &design);
// A control of a loaded window by its design name.
HWND control(HWND form, const platform::FormDesign &design, std::string_view name);
std::wstring text(HWND window);
// The child's rectangle in its parent's client coordinates.
RECT placement(HWND child);

// Types characters as WM_CHAR messages, as an input method or another program may send them.
void sendCharacters(HWND window, std::wstring_view characters);
// A key pressed and released through TranslateMessage, with the given keys held down.
void pressKey(HWND window, UINT key, std::initializer_list<int> held = {});

struct SeenMessageBox
{
    std::wstring title;
    std::wstring text;
    bool opened = false;
};

// Answers the next message box from inside its own modal loop, after running whileOpen there.
void answerNextMessageBox(SeenMessageBox &seen, std::function<void()> whileOpen = {});
// No longer waits for a box that did not open.
void stopAnsweringMessageBoxes();

// A table row's name as GoogleTest takes it (letters, digits and underscores), from the row's
// `name`.
struct RowName
{
    template <typename Info> std::string operator()(const Info &info) const
    {
        std::string taken;
        for (const char c : std::string_view(info.param.name))
            taken += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return taken;
    }
};

} // namespace harness
