// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace platform {

// Decides when a window's timer may stop waking the process. Handlers read only their window's
// controls, so a tick that leaves every control as it was would do the same on the next one:
// after such a tick the timer rests, and the next change to any control of the window, the
// user's or the program's, sets it going again for its next interval. A tick that changes
// something (a scroll step) keeps it going. The backend owns the clock and says what changed.
class RestingTimer
{
public:
    // `setRunning` starts or stops the backend's clock, which then calls tick() each interval.
    RestingTimer(std::function<void()> handler, std::function<void(bool running)> setRunning);

    void tick();
    void windowChanged();
    bool resting() const { return resting_; }

private:
    std::function<void()> handler_;
    std::function<void(bool)> setRunning_;
    bool ticking_ = false;
    bool changedDuringTick_ = false;
    bool resting_ = false;
};

} // namespace platform
