// SPDX-License-Identifier: MIT
#include "form1.h"
#include "startup.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    platform::win32::initialise();
    // The main window discards itself when closed; the program ends with the last window.
    platform::load<Form1>().showModeless();
    return platform::win32::runMessageLoop();
}
