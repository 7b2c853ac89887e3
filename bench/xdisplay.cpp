// SPDX-License-Identifier: MIT
#include "xdisplay.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace bench {

using namespace std::chrono_literals;

Display::Display()
{
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_)) {
        std::fprintf(stderr, "cannot connect to the X server (DISPLAY)\n");
        std::exit(2);
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
}

Display::~Display()
{
    xcb_disconnect(connection_);
}

std::optional<xcb_window_t> Display::waitForMappedWindow(const std::string &title,
                                                         std::chrono::milliseconds timeout)
{
    return waitForMappedWindow([&](const std::string &name) { return name == title; }, timeout);
}

std::optional<xcb_window_t>
Display::waitForMappedWindow(const std::function<bool(const std::string &)> &titleMatches,
                             std::chrono::milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            const xcb_window_t window =
                mapped ? reinterpret_cast<xcb_map_notify_event_t *>(event)->window : 0;
            std::free(event);
            if (mapped && titleMatches(titleOf(window)))
                return window;
        }
        std::this_thread::sleep_for(200us);
    }
    return std::nullopt;
}

void Display::close(xcb_window_t window)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection_);
}

xcb_atom_t Display::atom(const char *name)
{
    const auto cookie =
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection_, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The UTF-8 title, which Qt and Wine set beside the Latin-1 one.
std::string Display::titleOf(xcb_window_t window)
{
    const auto cookie = xcb_get_property(connection_, 0, window, atom("_NET_WM_NAME"),
                                         XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection_, cookie, nullptr);
    if (!reply)
        return {};
    const std::string title(static_cast<const char *>(xcb_get_property_value(reply)),
                            static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    return title;
}

Process launch(Display &display, const std::vector<std::string> &command, const std::string &title)
{
    std::vector<char *> arguments;
    for (const std::string &argument : command)
        arguments.push_back(const_cast<char *>(argument.c_str()));
    arguments.push_back(nullptr);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(arguments[0], arguments.data());
        _exit(127);
    }
    const auto window = display.waitForMappedWindow(title, 20s);
    if (!window) {
        std::fprintf(stderr, "%s: no window \"%s\" within 20 s\n", command[0].c_str(),
                     title.c_str());
        kill(pid, SIGKILL);
        std::exit(1);
    }
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    return {pid, *window, elapsed.count()};
}

void stop(const Process &process)
{
    kill(process.pid, SIGTERM);
    waitpid(process.pid, nullptr, 0);
}

long statusField(const std::string &path, const char *field)
{
    std::ifstream in(path);
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(in, line)) {
        if (line.compare(0, length, field) == 0)
            return std::strtol(line.c_str() + length + 1, nullptr, 10);
    }
    return 0;
}

long residentKiB(pid_t pid)
{
    return statusField("/proc/" + std::to_string(pid) + "/status", "VmRSS");
}

// The value below which the given share of the values lie (0.5: the median).
double quantile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5)];
}

double median(const std::vector<double> &values)
{
    return quantile(values, 0.5);
}

} // namespace bench
