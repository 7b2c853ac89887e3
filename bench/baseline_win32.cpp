// SPDX-License-Identifier: MIT
// The yardstick for the Windows figures of scripts/bench: the smallest honest Win32 window, one
// edit control and one static label, with the standard message loop and nothing else.
#include <windows.h>

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"VelmoraBaseline";
    RegisterClassW(&windowClass);

    HWND window =
        CreateWindowExW(0, windowClass.lpszClassName, L"Velmora baseline",
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                        CW_USEDEFAULT, 457, 222, nullptr, nullptr, instance, nullptr);
    CreateWindowExW(0, L"STATIC", L"Número", WS_CHILD | WS_VISIBLE, 16, 16, 200, 19, window,
                    nullptr, instance, nullptr);
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                16, 40, 200, 21, window, nullptr, instance, nullptr);
    ShowWindow(window, show);
    // Focused, as Velmora's number field is: its caret blinks in both.
    SetFocus(edit);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
