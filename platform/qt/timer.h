// SPDX-License-Identifier: MIT
#pragma once

#include "timerfloor.h"

#include <QObject>
#include <chrono>
#include <functional>

namespace platform {

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
