// SPDX-License-Identifier: MIT
#include "restingtimer.h"

#include <gtest/gtest.h>
#include <string_view>

using platform::RestingTimer;

namespace {

// Plays a script against a timer whose clock only records whether it runs. Steps:
// '.' a tick whose handler changes nothing, '+' a tick whose handler changes a control,
// 'u' a change between ticks (the user typing).
struct Played
{
    int handled = 0;
    int starts = 0;
    int stops = 0;
    bool running = true;
};

Played play(std::string_view script)
{
    Played run;
    bool changeInTick = false;
    RestingTimer *self = nullptr;
    RestingTimer timer(
        [&] {
            ++run.handled;
            if (changeInTick)
                self->windowChanged();
        },
        [&](bool running) {
            ++(running ? run.starts : run.stops);
            run.running = running;
        });
    self = &timer;
    for (const char step : script) {
        changeInTick = step == '+';
        if (step == 'u')
            timer.windowChanged();
        else
            timer.tick();
        EXPECT_EQ(timer.resting(), !run.running) << "after step " << step;
    }
    return run;
}

} // namespace

TEST(RestingTimer, WakesOnlyWhileThereIsWorkToDo)
{
    const struct
    {
        const char *name;
        const char *script;
        bool running;
        int handled, starts, stops;
    } rows[] = {
        {"a tick that changes nothing rests the clock", ".", false, 1, 0, 1},
        {"ticks that change something keep it going", "+++", true, 3, 0, 0},
        {"the first unchanged tick after a change rests it", "++.", false, 3, 0, 1},
        {"a change while resting starts it again", ".u", true, 1, 1, 1},
        {"woken, it rests again once its tick changes nothing", ".u+.", false, 3, 1, 2},
        {"a change while running does not start it twice", "+u+", true, 2, 0, 0},
        {"a tick already due when it rested runs no handler", "..", false, 1, 0, 1},
        {"several changes while resting start it once", ".uuu", true, 1, 1, 1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Played run = play(row.script);
        EXPECT_EQ(run.running, row.running);
        EXPECT_EQ(run.handled, row.handled);
        EXPECT_EQ(run.starts, row.starts);
        EXPECT_EQ(run.stops, row.stops);
    }
}
