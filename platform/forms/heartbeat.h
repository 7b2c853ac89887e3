// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <vector>

namespace platform {

// One clock at the fastest rate for every timer that asks for it, so that several open windows
// wake the process once per frame rather than once each. This is its bookkeeping, the same on
// every backend: who subscribes, who rests, and whether the clock must run at all. The backend
// owns the clock and calls beat() on each of its ticks.
class Heartbeat
{
public:
    using Subscription = int;

    // `setClockRunning` starts or stops the backend's clock; it is called on every change of
    // whether some subscriber runs, and only then.
    explicit Heartbeat(std::function<void(bool running)> setClockRunning);

    // A new subscriber runs at once.
    Subscription subscribe(std::function<void()> tick);
    void unsubscribe(Subscription subscription);
    // A subscriber at rest is not ticked; the others are not affected.
    void setRunning(Subscription subscription, bool running);

    // Ticks each subscriber that runs, once. A tick may subscribe, unsubscribe, rest or wake any
    // subscriber, itself included: one rested or removed before its turn is not ticked, and one
    // added or woken during the beat waits for the next.
    void beat();

    bool clockRunning() const { return clockRunning_; }

private:
    struct Subscriber
    {
        Subscription id;
        std::function<void()> tick;
        bool running = true;
    };

    Subscriber *find(Subscription subscription);
    void updateClock();

    std::function<void(bool)> setClockRunning_;
    std::vector<Subscriber> subscribers_;
    Subscription lastId_ = 0;
    bool clockRunning_ = false;
};

} // namespace platform
