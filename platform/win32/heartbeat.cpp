// SPDX-License-Identifier: MIT
#include "heartbeat.h"

#include "timerfloor.h"

#include <algorithm>
#include <chrono>
#include <vector>
#include <windows.h>

namespace platform::win32 {
namespace {

struct Subscriber
{
    Heartbeat::Subscription id;
    std::function<void()> tick;
    bool running = true;
};

using Clock = std::chrono::steady_clock;

// Windows' timers fire on the system clock's ticks, 15.6 ms apart by default: asking for 16 ms
// would wait two of them. So the timer asks a little less, and the heartbeat keeps its own time
// to beat every 16 ms on average, as fast as on Linux, whatever the clock's resolution.
constexpr UINT kTimerPeriod = static_cast<UINT>(kFastestTimerInterval.count()) - 1;

std::vector<Subscriber> subscribers;
Heartbeat::Subscription lastId = 0;
UINT_PTR timer = 0;
Clock::time_point nextBeat;

void tickAll()
{
    // A tick may close a window and so unsubscribe: walk by identifier, not by iterator.
    std::vector<Heartbeat::Subscription> ids;
    for (const Subscriber &subscriber : subscribers) {
        if (subscriber.running)
            ids.push_back(subscriber.id);
    }
    for (const Heartbeat::Subscription id : ids) {
        const auto found = std::find_if(subscribers.begin(), subscribers.end(),
                                        [id](const Subscriber &s) { return s.id == id; });
        if (found != subscribers.end() && found->running) {
            const std::function<void()> tick = found->tick;
            tick();
        }
    }
}

void CALLBACK beat(HWND, UINT, UINT_PTR, DWORD)
{
    const Clock::time_point now = Clock::now();
    if (now < nextBeat)
        return;
    tickAll();
    nextBeat += kFastestTimerInterval;
    // Fallen behind (a long handler, a suspended machine): carry on from now, no catching up.
    if (nextBeat <= now)
        nextBeat = now + kFastestTimerInterval;
}

// The timer runs while some subscriber does.
void updateTimer()
{
    const bool needed = std::any_of(subscribers.begin(), subscribers.end(),
                                    [](const Subscriber &s) { return s.running; });
    if (needed && timer == 0) {
        // The first call, one period from now, beats: a woken timer waits no more than a frame.
        nextBeat = Clock::now();
        timer = SetTimer(nullptr, 0, kTimerPeriod, beat);
    } else if (!needed && timer != 0) {
        KillTimer(nullptr, timer);
        timer = 0;
    }
}

} // namespace

Heartbeat::Subscription Heartbeat::subscribe(std::function<void()> tick)
{
    subscribers.push_back({++lastId, std::move(tick)});
    updateTimer();
    return lastId;
}

void Heartbeat::unsubscribe(Subscription subscription)
{
    std::erase_if(subscribers,
                  [subscription](const Subscriber &s) { return s.id == subscription; });
    updateTimer();
}

void Heartbeat::setRunning(Subscription subscription, bool running)
{
    for (Subscriber &subscriber : subscribers) {
        if (subscriber.id == subscription)
            subscriber.running = running;
    }
    updateTimer();
}

} // namespace platform::win32
