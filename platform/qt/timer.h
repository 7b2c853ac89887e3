// SPDX-License-Identifier: MIT
#pragma once

#include "timerfloor.h"

#include <QObject>
#include <chrono>
#include <functional>

namespace platform {

// The clock behind a window's timer: while running it calls its tick every interval; it stops
// for good when its owner is destroyed.
class TimerClock : public QObject
{
public:
    using QObject::QObject;
    virtual void setRunning(bool running) = 0;
};

// Starts a clock owned by `owner`. Clocks at the fastest rate share one heartbeat, so that
// several open windows wake the process once per frame rather than once each; the heartbeat
// itself stops while none of them runs.
TimerClock *startTimer(QObject *owner, std::chrono::milliseconds requested,
                       std::function<void()> tick);

} // namespace platform
