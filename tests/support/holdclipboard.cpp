// SPDX-License-Identifier: MIT
// Holds the Windows clipboard open for a while, as a clipboard manager or a slow program may:
// lets the end-to-end test make a copy fail. Prints "holding" once the clipboard is open.
// Usage: holdclipboard <milliseconds>
#include <cstdio>
#include <cstdlib>
#include <windows.h>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: holdclipboard <milliseconds>\n");
        return 2;
    }
    // Opened for a window of its own: Wine, unlike Windows, lets any other program that opens
    // the clipboard without a window in as well.
    HWND window =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!window || !OpenClipboard(window)) {
        std::fprintf(stderr, "holdclipboard: cannot open the clipboard (error %lu)\n",
                     GetLastError());
        return 1;
    }
    std::printf("holding\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)));
    CloseClipboard();
    return 0;
}
