// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace platform::win32 {

// The keyboard between the controls of our windows, as the old desktop's windows had it: Tab and
// Shift+Tab follow the focus order, skipping disabled controls, and Enter presses the button
// that has the focus, as Space does. The message loop offers it every message before translating
// it; true if the message was used.
bool navigate(const MSG &message);

} // namespace platform::win32
