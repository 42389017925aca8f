// The play modes' decisions as tables: which press starts the clip, and when
// a playing clip is held, from the switch and the clock alone.

#include "playback/play_mode_gate.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(PlayModeGate, OnlySeveralPressesWaitsForMoreThanOne)
{
    const struct {
        PlayModeChoice choice;
        std::vector<bool> starts;  // press_starts_clip for each press in turn
    } rows[] = {
        {{PressAndLetGo, 0}, {true}},
        {{PressAndHold, 0}, {true}},
        {{TimedPlay, 3}, {true}},
        {{SeveralPresses, 3}, {false, false, true, true}},  // counting stops at the count
        {{SeveralPresses, 2}, {false, true}},
    };
    for (const auto& row : rows) {
        PlayModeGate gate(row.choice);
        std::vector<bool> seen;
        for (size_t i = 0; i < row.starts.size(); ++i)
            seen.push_back(gate.press_starts_clip());
        EXPECT_EQ(seen, row.starts) << play_mode_words(row.choice).toStdString();
        EXPECT_LE(gate.presses_made(), gate.presses_to_start());
    }
}

TEST(PlayModeGate, HoldsOnLettingGoOrWhenThePressTimeIsUsed)
{
    const struct {
        PlayModeChoice choice;
        int64_t sincePlay;
        bool switchHeld;
        bool hold;
        int64_t msUntilHold;
    } rows[] = {
        {{PressAndLetGo, 0}, 60000, false, false, -1},
        {{PressAndHold, 0}, 0, true, false, -1},
        {{PressAndHold, 0}, 10, false, true, -1},
        {{TimedPlay, 2}, 0, false, false, 2000},  // letting go does not hold it
        {{TimedPlay, 2}, 1999, true, false, 1},
        {{TimedPlay, 2}, 2000, true, true, 0},
        {{TimedPlay, 2}, 2600, false, true, 0},  // woken late: no negative wait
        {{SeveralPresses, 3}, 60000, false, false, -1},
    };
    constexpr int64_t Start = 1'000'000;
    for (const auto& row : rows) {
        PlayModeGate gate(row.choice);
        gate.play_from(Start - 5000);
        gate.play_from(Start);  // each press starts the count again
        const int64_t now = Start + row.sincePlay;
        const std::string where =
            play_mode_words(row.choice).toStdString() + " after " + std::to_string(row.sincePlay) + " ms";
        EXPECT_EQ(gate.must_hold(row.switchHeld, now), row.hold) << where;
        EXPECT_EQ(gate.ms_until_hold(now), row.msUntilHold) << where;
        EXPECT_EQ(gate.played_ms(now), row.sincePlay) << where;
    }
}

}  // namespace
