// SPDX-License-Identifier: MIT
// Start-up to the window being mapped, and resident memory half a second later, of two programs
// started in turn on the same X server.
#pragma once

#include "xdisplay.h"

#include <array>
#include <string>
#include <vector>

namespace bench {

struct Contender
{
    std::vector<std::string> command;
    std::string title;
};

struct StartupFigures
{
    std::vector<double> startupMs;
    std::vector<double> residentKiB;
};

// The two programs take turns, so that both see the same machine, in the other order every other
// round, so that neither always starts right after the other; one round first only warms the
// file cache and whatever services the programs start.
std::array<StartupFigures, 2>
measureStartups(Display &display, const std::array<Contender, 2> &contenders, int rounds);

} // namespace bench
