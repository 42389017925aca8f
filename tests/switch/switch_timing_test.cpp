// Switch timing on a clock moved by hand.

#include "switch/switch_timing.h"
#include "fakes/fake_clock.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// Polls every 10 ms for durationMs with the switch down or up; returns the
// outputs seen.
std::vector<int16_t> hold(SwitchTiming& timing, FakeClock& clock, bool down, int durationMs)
{
    std::vector<int16_t> seen;
    for (int t = 0; t < durationMs; t += 10) {
        seen.push_back(timing.filter(down));
        clock.now += 10;
    }
    return seen;
}

int count(const std::vector<int16_t>& seen)
{
    return int(std::count(seen.begin(), seen.end(), 1));
}

TEST(SwitchTiming, WithoutTimingsTheLevelPassesUnchanged)
{
    FakeClock clock;
    SwitchTiming timing(clock, 0, 0);
    for (bool down : {true, true, false, true, false, false, true})
        EXPECT_EQ(timing.filter(down), down ? 1 : 0);
}

TEST(SwitchTiming, PressCountsOnlyOnceHeldForTheAcceptanceTime)
{
    FakeClock clock;
    SwitchTiming timing(clock, 300, 0);
    EXPECT_EQ(count(hold(timing, clock, true, 290)), 0) << "a brief press never counts";
    hold(timing, clock, false, 20);

    const std::vector<int16_t> seen = hold(timing, clock, true, 500);
    ASSERT_EQ(count(seen), 20);
    EXPECT_EQ(seen[29], 0);
    EXPECT_EQ(seen[30], 1) << "accepted at exactly 300 ms, then held";
    EXPECT_EQ(timing.filter(false), 0) << "released at once";
}

TEST(SwitchTiming, PressesBeginningWithinTheDelayAreIgnoredWhole)
{
    FakeClock clock;
    SwitchTiming timing(clock, 0, 1000);
    EXPECT_EQ(timing.filter(true), 1);
    hold(timing, clock, true, 200);  // the accepted press stays pressed while held
    hold(timing, clock, false, 100);
    // Begins 300 ms after the response and is held well past the delay's end.
    EXPECT_EQ(count(hold(timing, clock, true, 1500)), 0);
    hold(timing, clock, false, 10);
    EXPECT_EQ(timing.filter(true), 1) << "the first press after the delay counts";
}

TEST(SwitchTiming, DelayRunsFromTheAcceptanceNotTheRelease)
{
    FakeClock clock;
    SwitchTiming timing(clock, 200, 500);
    EXPECT_EQ(count(hold(timing, clock, true, 1000)), 80);  // accepted at 200 ms
    hold(timing, clock, false, 10);
    EXPECT_EQ(count(hold(timing, clock, true, 300)), 10)
        << "begun 810 ms after acceptance: counts after its own 200 ms";
}

TEST(SwitchTiming, EachSwitchIsTimedOnItsOwn)
{
    FakeClock clock;
    SwitchPairTiming timing(clock, 200, 1000);
    auto poll = [&](SwitchLevels down, int ms) {
        SwitchLevels last;
        for (int t = 0; t < ms; t += 10, clock.now += 10)
            last = timing.filter(down);
        return last;
    };
    EXPECT_EQ(poll({true, false}, 300), (SwitchLevels{true, false}));
    // Switch 2 joins within switch 1's delay: its own 200 ms count from now, and it counts.
    EXPECT_EQ(poll({true, true}, 150), (SwitchLevels{true, false}));
    EXPECT_EQ(poll({true, true}, 100), (SwitchLevels{true, true}));
    poll({}, 50);
    // Both begin again within their delays: both ignored, neither releases the other.
    EXPECT_EQ(poll({true, true}, 400), SwitchLevels{});
    poll({}, 600);
    // Switch 2 begins 1100 ms after its own acceptance, so it counts again.
    EXPECT_EQ(poll({false, true}, 210), (SwitchLevels{false, true}));
}

}  // namespace
