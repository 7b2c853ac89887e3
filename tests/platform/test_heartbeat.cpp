// SPDX-License-Identifier: MIT
#include "heartbeat.h"

#include <gtest/gtest.h>
#include <string>

using platform::Heartbeat;

namespace {

// Two subscribers, a and b, and a record of what each beat ticked and of the clock's starts
// and stops.
struct Pair : ::testing::Test
{
    std::string ticked;
    std::string clock;
    Heartbeat heartbeat{[this](bool running) { clock += running ? '+' : '-'; }};
    Heartbeat::Subscription a = heartbeat.subscribe([this] { ticked += 'a'; });
    Heartbeat::Subscription b = heartbeat.subscribe([this] { ticked += 'b'; });

    std::string beat()
    {
        ticked.clear();
        heartbeat.beat();
        return ticked;
    }
};

TEST_F(Pair, ClockRunsWhileAnySubscriberDoes)
{
    heartbeat.setRunning(a, false);
    EXPECT_EQ(beat(), "b") << "one resting leaves the other ticking";
    EXPECT_EQ(clock, "+");
    heartbeat.setRunning(b, false);
    EXPECT_EQ(clock, "+-") << "stops once every subscriber rests";
    EXPECT_EQ(beat(), "");
    heartbeat.setRunning(b, true);
    EXPECT_EQ(clock, "+-+") << "starts with the first to wake";
    heartbeat.setRunning(a, true);
    EXPECT_EQ(beat(), "ab");
    heartbeat.setRunning(a, false);
    heartbeat.unsubscribe(b);
    EXPECT_EQ(clock, "+-+-") << "stops when the last running subscriber leaves";
    EXPECT_FALSE(heartbeat.clockRunning());
}

// A tick that closes a window removes its own subscriber, or another's, mid-beat.
TEST(Heartbeat, TickMayRemoveItselfOrALaterSubscriber)
{
    std::string ticked;
    Heartbeat heartbeat{[](bool) {}};
    Heartbeat::Subscription a = 0, b = 0;
    a = heartbeat.subscribe([&] {
        ticked += 'a';
        heartbeat.unsubscribe(a);
        heartbeat.unsubscribe(b);
    });
    b = heartbeat.subscribe([&] { ticked += 'b'; });
    heartbeat.beat();
    heartbeat.beat();
    EXPECT_EQ(ticked, "a");
    EXPECT_FALSE(heartbeat.clockRunning());
}

// A subscriber woken or added during a beat is ticked from the next one on.
TEST(Heartbeat, SubscriberWokenOrAddedDuringABeatWaitsForTheNext)
{
    std::string ticked;
    Heartbeat heartbeat{[](bool) {}};
    Heartbeat::Subscription late = 0;
    const Heartbeat::Subscription resting = heartbeat.subscribe([&] { ticked += 'r'; });
    heartbeat.setRunning(resting, false);
    heartbeat.subscribe([&] {
        ticked += 'a';
        heartbeat.setRunning(resting, true);
        if (!late)
            late = heartbeat.subscribe([&] { ticked += 'l'; });
    });
    heartbeat.beat();
    EXPECT_EQ(ticked, "a");
    heartbeat.beat();
    EXPECT_EQ(ticked, "aral");
}

} // namespace
