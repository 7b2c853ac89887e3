// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <vector>
#include <windows.h>

namespace platform {
class RestingTimer;
}

namespace platform::win32 {

// A window's timers. Each rests while its window is unchanged (restingtimer.h); its clock is the
// process's heartbeat at the fastest rate, or a timer of the window's own for a slower one.
class FormTimers
{
public:
    explicit FormTimers(HWND window);
    FormTimers(const FormTimers &) = delete;
    FormTimers &operator=(const FormTimers &) = delete;
    ~FormTimers();

    void add(std::chrono::milliseconds requested, std::function<void()> handler);
    // Any control of the window changed: a resting timer has work again.
    void windowChanged();
    // A WM_TIMER of the window; true if it belonged to one of these timers.
    bool timerMessage(WPARAM id);

private:
    const HWND window_;
    std::vector<std::unique_ptr<RestingTimer>> timers_;
    std::vector<int> subscriptions_;
    std::map<UINT_PTR, std::function<void()>> ownClocks_;
};

} // namespace platform::win32
