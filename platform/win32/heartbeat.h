// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace platform::win32 {

// One thread timer at the fastest rate for every timer that asks for it, so that several open
// windows wake the process once per frame rather than once each. It runs only while someone
// subscribes, and keeps ticking inside modal loops such as a message box's.
class Heartbeat
{
public:
    using Subscription = int;

    static Subscription subscribe(std::function<void()> tick);
    static void unsubscribe(Subscription subscription);
    // A subscriber at rest is not ticked; the timer stops while every subscriber rests.
    static void setRunning(Subscription subscription, bool running);
};

} // namespace platform::win32
