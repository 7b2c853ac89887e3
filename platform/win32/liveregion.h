// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace platform::win32 {

// Someone asked one of our windows for its accessible object: a screen reader or another
// assistive program runs, even one that does not say so to the system.
void noteAccessibleObjectAsked();

// A control whose changes screen readers that follow live regions (Narrator, NVDA) speak without
// the user going to it; what they speak is the control's accessible name. Its client object is
// annotated as a polite live region through the system's dynamic annotation, which takes COM and
// oleacc: loaded only once a screen reader is known to run, so that nobody else pays for them.
class LiveRegion
{
public:
    LiveRegion() = default;
    LiveRegion(const LiveRegion &) = delete;
    LiveRegion &operator=(const LiveRegion &) = delete;
    ~LiveRegion();

    // Raises the live-region-changed event for the window's client object, annotated first.
    void changed(HWND window);

private:
    // Annotated, once; cleared when the control goes, so that no later window takes it over.
    HWND annotated_ = nullptr;
};

} // namespace platform::win32
