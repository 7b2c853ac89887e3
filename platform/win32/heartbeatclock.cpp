// SPDX-License-Identifier: MIT
#include "heartbeatclock.h"

#include "timerfloor.h"

#include <chrono>
#include <windows.h>

namespace platform::win32 {
namespace {

using Clock = std::chrono::steady_clock;

// Windows' timers fire on the system clock's ticks, 15.6 ms apart by default: asking for 16 ms
// would wait two of them. So the timer asks a little less, and the heartbeat keeps its own time
// to beat every 16 ms on average, as fast as on Linux, whatever the clock's resolution.
constexpr UINT kTimerPeriod = static_cast<UINT>(kFastestTimerInterval.count()) - 1;

UINT_PTR timer = 0;
Clock::time_point nextBeat;

void CALLBACK beat(HWND, UINT, UINT_PTR, DWORD)
{
    const Clock::time_point now = Clock::now();
    if (now < nextBeat)
        return;
    heartbeat().beat();
    nextBeat += kFastestTimerInterval;
    // Fallen behind (a long handler, a suspended machine): carry on from now, no catching up.
    if (nextBeat <= now)
        nextBeat = now + kFastestTimerInterval;
}

void setClockRunning(bool running)
{
    if (running) {
        // The first call, one period from now, beats: a woken timer waits no more than a frame.
        nextBeat = Clock::now();
        timer = SetTimer(nullptr, 0, kTimerPeriod, beat);
    } else {
        KillTimer(nullptr, timer);
        timer = 0;
    }
}

} // namespace

Heartbeat &heartbeat()
{
    static Heartbeat shared(setClockRunning);
    return shared;
}

} // namespace platform::win32
