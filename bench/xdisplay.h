// SPDX-License-Identifier: MIT
// What the benchmarks need of the X server: waiting for a program's window to be mapped, from
// the server's own events rather than by polling, and asking a window to close; starting and
// stopping the program under test.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>
#include <xcb/xcb.h>

namespace bench {

using Clock = std::chrono::steady_clock;

class Display
{
public:
    Display();
    ~Display();
    Display(const Display &) = delete;
    Display &operator=(const Display &) = delete;

    // Waits for a top-level window whose title matches to be mapped; gives its id.
    std::optional<xcb_window_t> waitForMappedWindow(const std::string &title,
                                                    std::chrono::milliseconds timeout);
    std::optional<xcb_window_t>
    waitForMappedWindow(const std::function<bool(const std::string &)> &titleMatches,
                        std::chrono::milliseconds timeout);

    // Asks the window to close, as its close button does.
    void close(xcb_window_t window);

private:
    xcb_atom_t atom(const char *name);
    std::string titleOf(xcb_window_t window);

    xcb_connection_t *connection_;
    xcb_window_t root_;
};

struct Process
{
    pid_t pid = -1;
    xcb_window_t window = 0;
    double startupMs = 0;
};

// Starts the command and waits up to 20 s for its window; exits the benchmark if none comes.
Process launch(Display &display, const std::vector<std::string> &command, const std::string &title);
void stop(const Process &process);

long statusField(const std::string &path, const char *field);
long residentKiB(pid_t pid);

// The value below which the given share of the values lie (0.5: the median).
double quantile(std::vector<double> values, double share);
double median(const std::vector<double> &values);

} // namespace bench
