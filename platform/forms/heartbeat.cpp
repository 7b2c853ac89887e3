// SPDX-License-Identifier: MIT
#include "heartbeat.h"

#include <algorithm>
#include <utility>

namespace platform {

Heartbeat::Heartbeat(std::function<void(bool)> setClockRunning)
    : setClockRunning_(std::move(setClockRunning))
{}

Heartbeat::Subscription Heartbeat::subscribe(std::function<void()> tick)
{
    subscribers_.push_back({++lastId_, std::move(tick)});
    updateClock();
    return lastId_;
}

void Heartbeat::unsubscribe(Subscription subscription)
{
    std::erase_if(subscribers_,
                  [subscription](const Subscriber &s) { return s.id == subscription; });
    updateClock();
}

void Heartbeat::setRunning(Subscription subscription, bool running)
{
    if (Subscriber *subscriber = find(subscription))
        subscriber->running = running;
    updateClock();
}

void Heartbeat::beat()
{
    // Walked by identifier, not by iterator: a tick may change the list.
    std::vector<Subscription> due;
    for (const Subscriber &subscriber : subscribers_) {
        if (subscriber.running)
            due.push_back(subscriber.id);
    }
    for (const Subscription id : due) {
        const Subscriber *subscriber = find(id);
        if (subscriber && subscriber->running) {
            // A copy: the tick may remove its own subscriber.
            const std::function<void()> tick = subscriber->tick;
            tick();
        }
    }
}

Heartbeat::Subscriber *Heartbeat::find(Subscription subscription)
{
    const auto found =
        std::find_if(subscribers_.begin(), subscribers_.end(),
                     [subscription](const Subscriber &s) { return s.id == subscription; });
    return found == subscribers_.end() ? nullptr : &*found;
}

void Heartbeat::updateClock()
{
    const bool needed = std::any_of(subscribers_.begin(), subscribers_.end(),
                                    [](const Subscriber &s) { return s.running; });
    if (needed == clockRunning_)
        return;
    clockRunning_ = needed;
    setClockRunning_(needed);
}

} // namespace platform
