// How a learner takes one of two choices: the light's moves and what each
// input does, for each way of choosing.

#include "playback/turn/choice_scan.h"

#include <gtest/gtest.h>

namespace {

using M = ChoiceMethod;
using S = ChoiceSide;
using A = ChoiceAction;
constexpr auto None = std::nullopt;

TEST(ChoiceScan, EachInputTakesMovesOrRestartsAsTheMethodSays)
{
    const struct {
        ChoiceMethod method;
        int64_t pressAtMs;  // after the offer at 0, with a 2 s scan
        int switchNumber;
        std::optional<ChoiceSide> dwell;
        ChoiceAction action;
        std::optional<ChoiceSide> litAfter;
    } rows[] = {
        {M::TwoSwitches, 500, 1, None, {A::Take, S::Left}, None},
        {M::TwoSwitches, 500, 2, None, {A::Take, S::Right}, None},
        {M::TwoSwitches, 500, 1, S::Right, {A::Take, S::Right}, None},
        {M::Scanning, 500, 1, None, {A::Take, S::Left}, S::Left},
        {M::Scanning, 2500, 2, None, {A::Take, S::Right}, S::Right},
        {M::Scanning, 11'999, 1, None, {A::Take, S::Right}, S::Right},  // the last side's last moment
        {M::Scanning, 12'000, 1, None, {A::Restart}, S::Left},  // three rounds past: a press starts again
        {M::Scanning, 500, 1, S::Right, {A::Take, S::Right}, S::Left},
        {M::StepScanning, 60'000, 1, None, {A::Move, S::Right}, S::Right},  // no timing
        {M::StepScanning, 500, 2, None, {A::Take, S::Left}, S::Left},
    };
    for (const auto& row : rows) {
        ChoiceScan scan(row.method, 2000);
        scan.offer(0);
        for (int64_t ms = 0; ms <= row.pressAtMs; ms += 100)
            scan.advance(ms);
        EXPECT_EQ(scan.press(row.switchNumber, row.dwell, row.pressAtMs), row.action)
            << static_cast<int>(row.method) << " at " << row.pressAtMs;
        EXPECT_EQ(scan.lit(), row.litAfter) << static_cast<int>(row.method) << " at " << row.pressAtMs;
    }
}

TEST(ChoiceScan, TheLightMovesOnTimeEvenWhenTheLoopComesLateAndStopsAfterThreeRounds)
{
    ChoiceScan scan(M::Scanning, 1500);
    scan.offer(1000);
    EXPECT_EQ(scan.next_move_ms(), 2500);
    EXPECT_FALSE(scan.advance(2499));
    EXPECT_TRUE(scan.advance(2530));  // 30 ms late
    EXPECT_EQ(scan.lit(), S::Right);
    EXPECT_EQ(scan.next_move_ms(), 4000);
    int moves = 1;
    for (int64_t ms = 2530; ms < 20'000; ms += 10)
        moves += scan.advance(ms);
    EXPECT_EQ(moves, 5);
    EXPECT_EQ(scan.lit(), None);
    EXPECT_EQ(scan.next_move_ms(), None);

    ChoiceScan stepping(M::StepScanning, 1500);
    stepping.offer(0);
    EXPECT_EQ(stepping.next_move_ms(), None);
    EXPECT_FALSE(stepping.advance(100'000));
    EXPECT_EQ(stepping.lit(), S::Left);
}

}  // namespace
