// SPDX-License-Identifier: MIT
#include "heartbeat.h"

#include "timerfloor.h"

#include <algorithm>
#include <vector>
#include <windows.h>

namespace platform::win32 {
namespace {

struct Subscriber
{
    Heartbeat::Subscription id;
    std::function<void()> tick;
};

std::vector<Subscriber> subscribers;
Heartbeat::Subscription lastId = 0;
UINT_PTR timer = 0;

void CALLBACK beat(HWND, UINT, UINT_PTR, DWORD)
{
    // A tick may close a window and so unsubscribe: walk by identifier, not by iterator.
    std::vector<Heartbeat::Subscription> ids;
    for (const Subscriber &subscriber : subscribers)
        ids.push_back(subscriber.id);
    for (const Heartbeat::Subscription id : ids) {
        const auto found = std::find_if(subscribers.begin(), subscribers.end(),
                                        [id](const Subscriber &s) { return s.id == id; });
        if (found != subscribers.end()) {
            const std::function<void()> tick = found->tick;
            tick();
        }
    }
}

} // namespace

Heartbeat::Subscription Heartbeat::subscribe(std::function<void()> tick)
{
    subscribers.push_back({++lastId, std::move(tick)});
    if (timer == 0)
        timer = SetTimer(nullptr, 0, static_cast<UINT>(kFastestTimerInterval.count()), beat);
    return lastId;
}

void Heartbeat::unsubscribe(Subscription subscription)
{
    std::erase_if(subscribers,
                  [subscription](const Subscriber &s) { return s.id == subscription; });
    if (subscribers.empty() && timer != 0) {
        KillTimer(nullptr, timer);
        timer = 0;
    }
}

} // namespace platform::win32
