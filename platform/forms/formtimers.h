// SPDX-License-Identifier: MIT
#pragma once

#include "heartbeat.h"

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace platform {

class RestingTimer;

// A window's timers, the same on every backend: each ticks on the process's heartbeat and rests
// while its window is unchanged (restingtimer.h). The backend gives the heartbeat, whose clock
// is its toolkit's, and says when a control of the window changed.
class FormTimers
{
public:
    explicit FormTimers(Heartbeat &heartbeat);
    FormTimers(const FormTimers &) = delete;
    FormTimers &operator=(const FormTimers &) = delete;
    ~FormTimers();

    // Ticks from now on. Every design asks for the heartbeat's rate or less (timerfloor.h),
    // which is all the heartbeat serves.
    void add(std::chrono::milliseconds requested, std::function<void()> handler);
    // A control of the window changed: a resting timer has work again.
    void windowChanged();

private:
    Heartbeat &heartbeat_;
    std::vector<std::unique_ptr<RestingTimer>> timers_;
    std::vector<Heartbeat::Subscription> subscriptions_;
};

} // namespace platform
