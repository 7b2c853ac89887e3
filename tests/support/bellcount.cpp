// SPDX-License-Identifier: MIT
// Prints one line for every bell the X server (DISPLAY) rings, whoever asks for it: lets the
// end-to-end tests hear a refused key from outside the program, which has no sound device.
// The first line, "ready", says the bells are being listened to.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <cstdio>

int main()
{
    Display *display = XOpenDisplay(nullptr);
    int event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!display || !XkbQueryExtension(display, nullptr, &event, &error, &major, &minor)) {
        std::fprintf(stderr, "bellcount: no X server with the keyboard extension\n");
        return 2;
    }
    XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);
    for (int bells = 1;; ++bells) {
        XEvent e;
        do
            XNextEvent(display, &e);
        while (e.type != event || reinterpret_cast<XkbAnyEvent &>(e).xkb_type != XkbBellNotify);
        std::printf("bell %d\n", bells);
        std::fflush(stdout);
    }
}
