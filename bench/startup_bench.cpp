// SPDX-License-Identifier: MIT
// Start-up to the window being mapped and resident memory of a program against a yardstick,
// taking turns on the X server of DISPLAY; scripts/bench runs the Windows builds with it, each
// command being Wine's loader and the program.
// Usage: velmora_bench_startup <rounds> <title> <command...> -- <title> <command...>
#include "startup_rounds.h"
#include "xdisplay.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Reads "<title> <command...>" up to "--" or the end; gives the index after it.
int readContender(int argc, char *argv[], int index, bench::Contender &contender)
{
    contender.title = argv[index++];
    while (index < argc && std::string(argv[index]) != "--")
        contender.command.emplace_back(argv[index++]);
    return index + 1;
}

std::string nameOf(const bench::Contender &contender)
{
    const std::string &program = contender.command.back();
    const std::size_t slash = program.find_last_of("/\\");
    return slash == std::string::npos ? program : program.substr(slash + 1);
}

} // namespace

int main(int argc, char *argv[])
{
    std::array<bench::Contender, 2> contenders;
    int index = 2;
    if (argc > 2)
        index = readContender(argc, argv, index, contenders[0]);
    if (index < argc)
        readContender(argc, argv, index, contenders[1]);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 0;
    if (rounds < 1 || contenders[0].command.empty() || contenders[1].command.empty()) {
        std::fprintf(stderr, "usage: %s <rounds> <title> <command...> -- <title> <command...>\n",
                     argv[0]);
        return 2;
    }
    bench::Display display;
    const auto figures = bench::measureStartups(display, contenders, rounds);

    std::printf("%-44s %12s %12s\n",
                ("median of " + std::to_string(rounds) + " interleaved runs").c_str(),
                "start-up ms", "memory KiB");
    for (std::size_t i = 0; i < 2; ++i) {
        std::printf("%-44s %12.1f %12.0f\n", nameOf(contenders[i]).c_str(),
                    bench::median(figures[i].startupMs), bench::median(figures[i].residentKiB));
    }
    for (std::size_t i = 0; i < 2; ++i) {
        std::printf("%-44s %5.1f-%-6.1f\n", ("  middle half, " + nameOf(contenders[i])).c_str(),
                    bench::quantile(figures[i].startupMs, 0.25),
                    bench::quantile(figures[i].startupMs, 0.75));
    }
    std::printf("%-44s %12.2f %12.2f\n", "ratio",
                bench::median(figures[0].startupMs) / bench::median(figures[1].startupMs),
                bench::median(figures[0].residentKiB) / bench::median(figures[1].residentKiB));
    return 0;
}
