// SPDX-License-Identifier: MIT
#pragma once

namespace platform::win32 {

// What the process needs before its first window: the common controls, and the user's number
// format from the regional settings.
void initialise();

// Runs the message loop until the last window has closed, our windows' messages through the
// system's dialog navigation; returns the exit code.
int runMessageLoop();

} // namespace platform::win32
