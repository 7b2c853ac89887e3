// SPDX-License-Identifier: MIT
// Measures the real program on an X server (DISPLAY) against a bare Qt window (a label and a
// focused line edit): start-up to the window being mapped and resident memory; processor time
// and wake-ups at rest, for the bare window, then for Velmora with the main window alone, with
// the credits scrolling, and after the credits have closed; memory growth while they scroll.
// Usage: velmora_bench_desktop <Velmora> <baseline window> [scroll seconds]
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const char *const kMainTitle = "Calculadora de letra DNI o NIF    .:Velmora:.";
const char *const kBaselineTitle = "Velmora baseline";
constexpr int kRounds = 31;

class Display
{
public:
    Display()
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
    ~Display() { xcb_disconnect(connection_); }

    // Waits for a top-level window with this title to be mapped; gives its id.
    std::optional<xcb_window_t> waitForMappedWindow(const std::string &title,
                                                    std::chrono::milliseconds timeout)
    {
        return waitForMappedWindow([&](const std::string &name) { return name == title; }, timeout);
    }

    std::optional<xcb_window_t>
    waitForMappedWindow(const std::function<bool(const std::string &)> &titleMatches,
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

    // Asks the window to close, as its close button does.
    void close(xcb_window_t window)
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

private:
    xcb_atom_t atom(const char *name)
    {
        const auto cookie =
            xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection_, cookie, nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return atom;
    }

    // The UTF-8 title, which Qt sets beside the Latin-1 one.
    std::string titleOf(xcb_window_t window)
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

    xcb_connection_t *connection_;
    xcb_window_t root_;
};

struct Process
{
    pid_t pid = -1;
    xcb_window_t window = 0;
    double startupMs = 0;
};

Process launch(Display &display, const char *program, const std::string &title)
{
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    const auto window = display.waitForMappedWindow(title, 20s);
    if (!window) {
        std::fprintf(stderr, "%s: no window \"%s\" within 20 s\n", program, title.c_str());
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

// Processor time and context switches, summed over every thread of the process. The scheduler's
// own account (schedstat, in nanoseconds) is far finer than the clock ticks of /proc/pid/stat.
struct Usage
{
    double cpuSeconds = 0;
    long switches = 0;
};

Usage usageOf(pid_t pid)
{
    Usage usage;
    const std::string proc = "/proc/" + std::to_string(pid) + "/task/";
    DIR *tasks = opendir(proc.c_str());
    if (!tasks)
        return usage;
    while (dirent *task = readdir(tasks)) {
        if (task->d_name[0] == '.')
            continue;
        const std::string dir = proc + task->d_name;
        std::ifstream schedstat(dir + "/schedstat");
        double runNanoseconds = 0;
        schedstat >> runNanoseconds;
        usage.cpuSeconds += runNanoseconds / 1e9;
        usage.switches += statusField(dir + "/status", "voluntary_ctxt_switches") +
                          statusField(dir + "/status", "nonvoluntary_ctxt_switches");
    }
    closedir(tasks);
    return usage;
}

struct Load
{
    double cpuPercent;
    double wakeupsPerSecond;
};

Load measureLoad(pid_t pid, std::chrono::seconds period)
{
    const Usage before = usageOf(pid);
    std::this_thread::sleep_for(period);
    const Usage after = usageOf(pid);
    const double seconds = static_cast<double>(period.count());
    return {100.0 * (after.cpuSeconds - before.cpuSeconds) / seconds,
            static_cast<double>(after.switches - before.switches) / seconds};
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

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <Velmora> <baseline window> [scroll seconds]\n", argv[0]);
        return 2;
    }
    const char *velmora = argv[1];
    const char *baseline = argv[2];
    const auto scrollSeconds = std::chrono::seconds(argc > 3 ? std::atoi(argv[3]) : 60);
    Display display;

    // Start-up and memory, alternating the two programs so that both see the same machine, and
    // taking them in the other order every other round, so that neither always starts right
    // after the other. The first round only warms the file cache.
    std::vector<double> startVelmora, startBaseline, rssVelmora, rssBaseline;
    for (int round = -1; round < kRounds; ++round) {
        const bool oursFirst = round % 2 == 0;
        for (const bool ours : {oursFirst, !oursFirst}) {
            const Process p = ours ? launch(display, velmora, kMainTitle)
                                   : launch(display, baseline, kBaselineTitle);
            std::this_thread::sleep_for(500ms); // let it settle before reading its memory
            if (round >= 0) {
                (ours ? startVelmora : startBaseline).push_back(p.startupMs);
                (ours ? rssVelmora : rssBaseline)
                    .push_back(static_cast<double>(residentKiB(p.pid)));
            }
            stop(p);
        }
    }

    // At rest, the yardstick first: a bare window's own wake-ups (its caret blinks, as ours does).
    const Process bare = launch(display, baseline, kBaselineTitle);
    std::this_thread::sleep_for(2s);
    const Load bareIdle = measureLoad(bare.pid, 10s);
    stop(bare);

    const Process app = launch(display, velmora, kMainTitle);
    std::this_thread::sleep_for(2s);
    const Load idle = measureLoad(app.pid, 10s);

    // "Autor" sits at 408,168 (41 x 25) in the client area; the pointer then leaves, so that no
    // tool tip comes up.
    const std::string click = "xdotool mousemove --window " + std::to_string(app.window) +
                              " 428 180 click 1 mousemove 0 0";
    if (std::system(click.c_str()) != 0) {
        std::fprintf(stderr, "xdotool could not press \"Autor\"\n");
        stop(app);
        return 1;
    }
    const auto credits = display.waitForMappedWindow(
        [](const std::string &title) { return title.rfind("Créditos", 0) == 0; }, 5s);
    if (!credits) {
        std::fprintf(stderr, "the credits window did not open\n");
        stop(app);
        return 1;
    }
    std::this_thread::sleep_for(2s);
    const Load scrolling = measureLoad(app.pid, 10s);
    const long rssBefore = residentKiB(app.pid);
    std::this_thread::sleep_for(scrollSeconds);
    const long growth = residentKiB(app.pid) - rssBefore;
    display.close(*credits);
    std::this_thread::sleep_for(2s);
    const Load closed = measureLoad(app.pid, 10s);
    stop(app);

    const double startRatio = median(startVelmora) / median(startBaseline);
    const double memoryRatio = median(rssVelmora) / median(rssBaseline);
    const double wakeupLimit = bareIdle.wakeupsPerSecond + 1;
    const std::string limit = "<= " + std::to_string(wakeupLimit).substr(0, 4);
    const auto row = [](const char *measure, const char *format, double velmora,
                        const std::string &bareFigure, const std::string &target) {
        std::printf("%-44s ", measure);
        std::printf(format, velmora);
        std::printf(" %12s %8s %10s\n", bareFigure.c_str(), "", target.c_str());
    };
    const auto figure = [](double value) { return std::to_string(value).substr(0, 5); };
    std::printf("%-44s %12s %12s %8s %10s\n", "measure", "Velmora", "bare window", "ratio",
                "target");
    std::printf("%-44s %12.1f %12.1f %8.2f %10s\n", "start-up to window mapped (ms, median of 31)",
                median(startVelmora), median(startBaseline), startRatio, "<= 1.05");
    std::printf("%-44s %5.1f-%-6.1f %5.1f-%-6.1f\n", "  middle half of the start-ups (ms)",
                quantile(startVelmora, 0.25), quantile(startVelmora, 0.75),
                quantile(startBaseline, 0.25), quantile(startBaseline, 0.75));
    std::printf("%-44s %12.0f %12.0f %8.2f %10s\n", "resident memory (KiB, median of 31)",
                median(rssVelmora), median(rssBaseline), memoryRatio, "<= 1.10");
    row("at rest: CPU (% of a core, 10 s)", "%12.2f", idle.cpuPercent, figure(bareIdle.cpuPercent),
        "");
    row("at rest: wake-ups per second (10 s)", "%12.1f", idle.wakeupsPerSecond,
        figure(bareIdle.wakeupsPerSecond), limit);
    row("credits scrolling: CPU (% of a core)", "%12.2f", scrolling.cpuPercent, "", "<= 2");
    row("credits scrolling: wake-ups per second", "%12.1f", scrolling.wakeupsPerSecond, "",
        "<= 125");
    row("credits closed: CPU (% of a core)", "%12.2f", closed.cpuPercent, "", "");
    row("credits closed: wake-ups per second", "%12.1f", closed.wakeupsPerSecond, "", limit);
    row(("memory growth over " + std::to_string(scrollSeconds.count()) + " s of scrolling (KiB)")
            .c_str(),
        "%12.0f", static_cast<double>(growth), "", "<= 256");

    const bool met = startRatio <= 1.05 && memoryRatio <= 1.10 &&
                     idle.wakeupsPerSecond <= wakeupLimit && scrolling.cpuPercent <= 2.0 &&
                     scrolling.wakeupsPerSecond <= 125 && closed.wakeupsPerSecond <= wakeupLimit &&
                     growth <= 256;
    std::printf("summary: start-up %.2fx, memory %.2fx, at rest %.1f wake-ups/s (bare window "
                "%.1f), scrolling %.1f, after closing %.1f, growth %ld KiB: %s\n",
                startRatio, memoryRatio, idle.wakeupsPerSecond, bareIdle.wakeupsPerSecond,
                scrolling.wakeupsPerSecond, closed.wakeupsPerSecond, growth,
                met ? "all targets met" : "some targets missed");
    return 0;
}
