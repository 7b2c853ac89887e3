// SPDX-License-Identifier: MIT
#include "startup_rounds.h"

#include <thread>

namespace bench {

using namespace std::chrono_literals;

std::array<StartupFigures, 2>
measureStartups(Display &display, const std::array<Contender, 2> &contenders, int rounds)
{
    std::array<StartupFigures, 2> figures;
    for (int round = -1; round < rounds; ++round) {
        const std::size_t first = round % 2 == 0 ? 0 : 1;
        for (const std::size_t which : {first, 1 - first}) {
            const Contender &contender = contenders[which];
            const Process process = launch(display, contender.command, contender.title);
            std::this_thread::sleep_for(500ms); // let it settle before reading its memory
            if (round >= 0) {
                figures[which].startupMs.push_back(process.startupMs);
                figures[which].residentKiB.push_back(static_cast<double>(residentKiB(process.pid)));
            }
            stop(process);
        }
    }
    return figures;
}

} // namespace bench
