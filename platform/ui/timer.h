// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>
#include <algorithm>
#include <chrono>

namespace platform {

// The fastest rate the layer ticks at: one display frame, close to the old desktop's default
// timer rate. Asking for less (a window's 1 ms or 5 ms) ticks this often, which keeps a window
// that sits open all day from waking the processor a thousand times a second.
inline constexpr std::chrono::milliseconds kFastestTimerInterval{16};

constexpr std::chrono::milliseconds effectiveTimerInterval(std::chrono::milliseconds requested)
{
    return std::max(requested, kFastestTimerInterval);
}

// A timer owned by a window, enabled from the start, calling the handler on every tick.
template <typename Owner>
QTimer *startTimer(Owner *owner, std::chrono::milliseconds requested, void (Owner::*handler)())
{
    auto *timer = new QTimer(owner);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(effectiveTimerInterval(requested));
    QObject::connect(timer, &QTimer::timeout, owner, handler);
    timer->start();
    return timer;
}

} // namespace platform
