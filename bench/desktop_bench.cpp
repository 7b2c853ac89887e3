// SPDX-License-Identifier: MIT
// Measures the real program on an X server (DISPLAY) against a bare Qt window (a label and a
// focused line edit): start-up to the window being mapped and resident memory; processor time
// and wake-ups at rest, for the bare window, then for Velmora with the main window alone, with
// the credits scrolling, and after the credits have closed; memory growth while they scroll.
// Usage: velmora_bench_desktop <Velmora> <baseline window> [scroll seconds]
#include "startup_rounds.h"
#include "xdisplay.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using bench::median;
using bench::quantile;
using bench::residentKiB;
using bench::statusField;

const char *const kMainTitle = "Calculadora de letra DNI o NIF    .:Velmora:.";
const char *const kBaselineTitle = "Velmora baseline";
constexpr int kRounds = 31;

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
    bench::Display display;

    const auto [ours, yardstick] = bench::measureStartups(
        display, {{{{velmora}, kMainTitle}, {{baseline}, kBaselineTitle}}}, kRounds);
    const std::vector<double> &startVelmora = ours.startupMs, &startBaseline = yardstick.startupMs;
    const std::vector<double> &rssVelmora = ours.residentKiB, &rssBaseline = yardstick.residentKiB;

    // At rest, the yardstick first: a bare window's own wake-ups (its caret blinks, as ours does).
    const bench::Process bare = bench::launch(display, {baseline}, kBaselineTitle);
    std::this_thread::sleep_for(2s);
    const Load bareIdle = measureLoad(bare.pid, 10s);
    bench::stop(bare);

    const bench::Process app = bench::launch(display, {velmora}, kMainTitle);
    std::this_thread::sleep_for(2s);
    const Load idle = measureLoad(app.pid, 10s);

    // "Autor" sits at 408,168 (41 x 25) in the client area; the pointer then leaves, so that no
    // tool tip comes up.
    const std::string click = "xdotool mousemove --window " + std::to_string(app.window) +
                              " 428 180 click 1 mousemove 0 0";
    if (std::system(click.c_str()) != 0) {
        std::fprintf(stderr, "xdotool could not press \"Autor\"\n");
        bench::stop(app);
        return 1;
    }
    const auto credits = display.waitForMappedWindow(
        [](const std::string &title) { return title.rfind("Créditos", 0) == 0; }, 5s);
    if (!credits) {
        std::fprintf(stderr, "the credits window did not open\n");
        bench::stop(app);
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
    bench::stop(app);

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
