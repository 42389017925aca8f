// Pointer dwell as tables of pointer motion and time: when a dwell
// completes, and what keeps it from completing or starting again.

#include "switch/dwell_detector.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Step {
    enum { Move, Tick, Leave, HoldOff, Passing } what;
    int64_t t;
    QPoint pos = {};
    bool fires = false;
};

Step move(int64_t t, int x, int y, bool fires = false)
{
    return {Step::Move, t, {x, y}, fires};
}

Step tick(int64_t t, bool fires = false)
{
    return {Step::Tick, t, {}, fires};
}

struct Case {
    const char* name;
    std::vector<Step> steps;
};

// A 1 s dwell, 40 px of wobble; the exit link sits in the target's corner.
const QRect Target(100, 100, 400, 300);
const QRect ExitLink(450, 100, 50, 30);

TEST(DwellDetector, CompletesOnlyForAFreshRestOnTheTarget)
{
    const Case cases[] = {
        // clang-format off
        {"rest on the target", {move(0, 200, 200), tick(999), tick(1000, true), tick(5000)}},
        {"rest outside the target", {move(0, 50, 50), tick(5000), move(5000, 51, 50), tick(9000)}},
        {"jitter within the wobble",
         {move(0, 200, 200), move(400, 230, 220), move(800, 175, 190), tick(1000, true)}},
        {"a move beyond the wobble starts again",
         {move(0, 200, 200), move(500, 250, 200), tick(1000), tick(1499), tick(1500, true)}},
        {"slow drift is not rest",
         {move(0, 200, 200), move(300, 220, 200), move(600, 241, 200), tick(1000), tick(1600, true)}},
        {"leave and come back",
         {move(0, 200, 200), tick(1000, true), move(1200, 50, 50), move(1300, 200, 200), tick(2299),
          tick(2300, true)}},
        {"no second dwell without leaving or moving beyond the wobble",
         {move(0, 200, 200), tick(1000, true), move(1100, 220, 200), tick(3000), move(3100, 260, 200),
          tick(4099), tick(4100, true)}},
        {"leaving part-way stops the dwell",
         {move(0, 200, 200), move(600, 50, 50), move(700, 200, 200), tick(1600), tick(1700, true)}},
        {"never on the exit link", {move(0, 460, 110), tick(5000), move(5000, 470, 120), tick(9000)}},
        {"from the exit link onto the picture",
         {move(0, 460, 110), move(100, 430, 150), tick(1099), tick(1100, true)}},
        {"a move that completes", {move(0, 200, 200), move(1050, 210, 200, true)}},
        {"the pointer left the window",
         {move(0, 200, 200), {Step::Leave, 500}, tick(2000), move(2100, 200, 200), tick(3100, true)}},
        {"held off at a clip's start",
         {move(0, 200, 200), {Step::HoldOff, 300}, tick(2000), move(2100, 210, 200), tick(4000),
          move(4100, 300, 200), tick(5100, true)}},
        {"away and back while a clip plays",
         {move(0, 200, 200), tick(1000, true), {Step::Passing, 1500, {50, 50}},
          {Step::Passing, 1600, {200, 200}}, tick(3000), move(3000, 200, 200), tick(3999), tick(4000, true)}},
        {"no dwell while a clip plays, nor a fresh one without leaving",
         {move(0, 200, 200), tick(1000, true), {Step::Passing, 1500, {210, 200}}, move(3000, 210, 200),
          tick(5000)}},
        // clang-format on
    };
    for (const Case& c : cases) {
        DwellDetector dwell(1000, 40);
        dwell.set_target(Target);
        dwell.set_excluded(ExitLink);
        for (const Step& step : c.steps) {
            bool fired = false;
            switch (step.what) {
            case Step::Move: fired = dwell.pointer_at(step.pos, step.t); break;
            case Step::Tick: fired = dwell.tick(step.t); break;
            case Step::Leave: dwell.pointer_left(); break;
            case Step::HoldOff: dwell.hold_off(); break;
            case Step::Passing: dwell.pointer_passing(step.pos); break;
            }
            EXPECT_EQ(fired, step.fires) << c.name << " at " << step.t << " ms";
        }
    }
}

TEST(DwellDetector, ProgressAndDueTimeFollowTheDwellUnderWay)
{
    DwellDetector dwell(1500, 40);
    dwell.set_target(Target);
    EXPECT_EQ(dwell.due_ms(), std::nullopt) << "nothing to wake for before the pointer is seen";
    dwell.pointer_at({300, 300}, 1000);
    EXPECT_DOUBLE_EQ(dwell.progress(1000), 0.0);
    EXPECT_DOUBLE_EQ(dwell.progress(1375), 0.25);
    EXPECT_EQ(dwell.due_ms(), 2500);
    dwell.pointer_at({320, 310}, 2000);
    EXPECT_EQ(dwell.due_ms(), 2500) << "jitter keeps the due time";
    EXPECT_EQ(dwell.pointer(), QPoint(320, 310)) << "the mark follows the pointer";
    EXPECT_TRUE(dwell.tick(2600));
    EXPECT_DOUBLE_EQ(dwell.progress(2600), 0.0);
    EXPECT_EQ(dwell.due_ms(), std::nullopt) << "a spent dwell sets no timer";

    dwell.pointer_at({150, 150}, 3000);
    ASSERT_TRUE(dwell.dwelling());
    dwell.set_target({});
    EXPECT_FALSE(dwell.dwelling()) << "a target taken away stops the dwell";
    EXPECT_FALSE(dwell.tick(9000));
}

TEST(DwellDetector, WobbleScalesWithTheScreen)
{
    EXPECT_DOUBLE_EQ(dwell_wobble_distance({1024, 768}), 40.0);
    EXPECT_DOUBLE_EQ(dwell_wobble_distance({1920, 1080}), 56.25);
    EXPECT_DOUBLE_EQ(dwell_wobble_distance({800, 600}), 31.25);
    EXPECT_DOUBLE_EQ(dwell_wobble_distance({0, 0}), 10.0) << "never no wobble at all";
}

}  // namespace
