// SPDX-License-Identifier: MIT
#include "formtimers.h"

#include "restingtimer.h"
#include "timerfloor.h"

#include <cassert>

namespace platform {

FormTimers::FormTimers(Heartbeat &heartbeat) : heartbeat_(heartbeat) {}

FormTimers::~FormTimers()
{
    for (const Heartbeat::Subscription subscription : subscriptions_)
        heartbeat_.unsubscribe(subscription);
}

void FormTimers::add(std::chrono::milliseconds requested, std::function<void()> handler)
{
    assert(requested <= kFastestTimerInterval);
    (void)requested;
    const std::size_t index = timers_.size();
    const Heartbeat::Subscription subscription =
        heartbeat_.subscribe([this, index] { timers_[index]->tick(); });
    subscriptions_.push_back(subscription);
    timers_.push_back(
        std::make_unique<RestingTimer>(std::move(handler), [this, subscription](bool running) {
            heartbeat_.setRunning(subscription, running);
        }));
}

void FormTimers::windowChanged()
{
    for (const std::unique_ptr<RestingTimer> &timer : timers_)
        timer->windowChanged();
}

} // namespace platform
