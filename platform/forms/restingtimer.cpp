// SPDX-License-Identifier: MIT
#include "restingtimer.h"

#include <utility>

namespace platform {

RestingTimer::RestingTimer(std::function<void()> handler, std::function<void(bool)> setRunning)
    : handler_(std::move(handler)), setRunning_(std::move(setRunning))
{}

void RestingTimer::tick()
{
    if (resting_)
        return;
    ticking_ = true;
    changedDuringTick_ = false;
    handler_();
    ticking_ = false;
    if (!changedDuringTick_) {
        resting_ = true;
        setRunning_(false);
    }
}

void RestingTimer::windowChanged()
{
    if (ticking_) {
        changedDuringTick_ = true;
    } else if (resting_) {
        resting_ = false;
        setRunning_(true);
    }
}

} // namespace platform
