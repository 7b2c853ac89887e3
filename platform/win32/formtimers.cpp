// SPDX-License-Identifier: MIT
#include "formtimers.h"

#include "heartbeatclock.h"
#include "restingtimer.h"
#include "timerfloor.h"

namespace platform::win32 {

FormTimers::FormTimers(HWND window) : window_(window) {}

FormTimers::~FormTimers()
{
    for (const int subscription : subscriptions_)
        heartbeat().unsubscribe(subscription);
    for (const auto &[id, tick] : ownClocks_)
        KillTimer(window_, id);
}

void FormTimers::add(std::chrono::milliseconds requested, std::function<void()> handler)
{
    const std::chrono::milliseconds interval = effectiveTimerInterval(requested);
    const std::size_t index = timers_.size();
    const auto tick = [this, index] { timers_[index]->tick(); };
    std::function<void(bool)> setRunning;
    if (interval == kFastestTimerInterval) {
        const Heartbeat::Subscription subscription = heartbeat().subscribe(tick);
        subscriptions_.push_back(subscription);
        setRunning = [subscription](bool running) {
            heartbeat().setRunning(subscription, running);
        };
    } else {
        const UINT_PTR id = ownClocks_.size() + 1;
        ownClocks_.emplace(id, tick);
        setRunning = [window = window_, id,
                      milliseconds = static_cast<UINT>(interval.count())](bool running) {
            if (running)
                SetTimer(window, id, milliseconds, nullptr);
            else
                KillTimer(window, id);
        };
        setRunning(true);
    }
    timers_.push_back(std::make_unique<RestingTimer>(std::move(handler), std::move(setRunning)));
}

void FormTimers::windowChanged()
{
    for (const std::unique_ptr<RestingTimer> &timer : timers_)
        timer->windowChanged();
}

bool FormTimers::timerMessage(WPARAM id)
{
    const auto found = ownClocks_.find(id);
    if (found == ownClocks_.end())
        return false;
    found->second();
    return true;
}

} // namespace platform::win32
