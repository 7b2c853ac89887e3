// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

namespace platform {

// The fastest rate every backend ticks at: one display frame, close to the old desktop's
// default timer rate. Asking for less (a window's 1 ms or 5 ms) ticks this often, which keeps a
// window that sits open all day from waking the processor a thousand times a second, and
// scrolls the credits at the same speed everywhere.
inline constexpr std::chrono::milliseconds kFastestTimerInterval{16};

} // namespace platform
