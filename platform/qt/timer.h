// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <algorithm>
#include <chrono>
#include <functional>

namespace platform {

// The fastest rate the layer ticks at: one display frame, close to the old desktop's default
// timer rate. Asking for less (a window's 1 ms or 5 ms) ticks this often, which keeps a window
// that sits open all day from waking the processor a thousand times a second.
inline constexpr std::chrono::milliseconds kFastestTimerInterval{16};

constexpr std::chrono::milliseconds effectiveTimerInterval(std::chrono::milliseconds requested)
{
    return std::max(requested, kFastestTimerInterval);
}

// Starts a timer owned by `owner` that calls `tick` every interval, from now until the owner is
// destroyed. Timers at the fastest rate share one heartbeat, so that several open windows wake
// the process once per frame rather than once each.
void startTimer(QObject *owner, std::chrono::milliseconds requested, std::function<void()> tick);

template <typename Owner>
void startTimer(Owner *owner, std::chrono::milliseconds requested, void (Owner::*handler)())
{
    startTimer(owner, requested, [owner, handler] { (owner->*handler)(); });
}

} // namespace platform
