// SPDX-License-Identifier: MIT
#pragma once

namespace platform {

// The desktop's standard alert.
void beep();

// How many beeps this process has sounded: lets tests hear a beep without a sound device.
int beepCount();

} // namespace platform
