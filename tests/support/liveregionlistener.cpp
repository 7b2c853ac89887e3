// SPDX-License-Identifier: MIT
// Listens, as a screen reader that follows live regions does (NVDA), for the live-region-changed
// events of every other process, and prints for each the window it comes from and the name of its
// object, which is what such a screen reader speaks: "window|name" in UTF-8, one line each, the
// window as a hexadecimal number, line breaks in the name as "/". Says first that a screen reader
// runs, as they do, and prints "ready" once listening. Runs until ended.
// Usage: liveregionlistener
#include "accessibleread.h"

#include <cstdio>
#include <deque>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace {

std::string utf8(const std::wstring &text)
{
    const int length = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
    for (char &c : bytes) {
        if (c == '\n')
            c = '/';
    }
    return bytes;
}

std::string nameOf(HWND window, LONG object, LONG child)
{
    const auto name = readAccessible(window, object, child);
    return name ? utf8(*name) : "(no object)";
}

struct Event
{
    HWND window;
    LONG object;
    LONG child;
};

// Reading a name calls the other process, and events that arrive meanwhile run the hook again:
// queued, and read in the order they came, as a screen reader's event queue does.
std::deque<Event> events;

void CALLBACK liveRegionChanged(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                                DWORD)
{
    events.push_back({window, object, child});
    // The hook runs inside GetMessage, which returns only for a message.
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
}

void readQueued()
{
    static bool reading = false;
    if (reading)
        return;
    reading = true;
    while (!events.empty()) {
        const Event event = events.front();
        events.pop_front();
        std::printf("%llX|%s\n",
                    static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(event.window)),
                    nameOf(event.window, event.object, event.child).c_str());
        std::fflush(stdout);
    }
    reading = false;
}

} // namespace

int main()
{
    _setmode(_fileno(stdout), _O_BINARY);
    CoInitialize(nullptr);
    SystemParametersInfoW(SPI_SETSCREENREADER, TRUE, nullptr, SPIF_SENDCHANGE);
    if (!SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr, liveRegionChanged, 0, 0,
                         WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS)) {
        std::fprintf(stderr, "cannot listen: error %lu\n", GetLastError());
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
        readQueued();
    }
    CoUninitialize();
    return 0;
}
