#pragma once
// Switch timing for learners whose presses are brief by accident or come in
// bursts: a press counts only once held for the acceptance time, and after a
// response every press that begins within the post-acceptance delay is
// ignored as a whole. With both at 0 the output equals the input.

#include "switch/switch_adapter.h"

#include <array>
#include <cstdint>
#include <optional>

class MonotonicClock;

class SwitchTiming {
public:
    SwitchTiming(const MonotonicClock& clock, int acceptanceMs, int postAcceptanceMs);

    // Call at every poll with whether the switch is down now; returns the
    // level to use as SwitchPressed: 1 from the moment a press is accepted
    // until it is released, else 0.
    int16_t filter(bool down);

private:
    const MonotonicClock& clock_;
    int acceptanceMs_;
    int postAcceptanceMs_;
    std::optional<int64_t> pressStart_;  // while the switch is down
    bool pressIgnored_ = false;  // began within the post-acceptance delay
    bool pressAccepted_ = false;
    std::optional<int64_t> lastAcceptance_;
};

// The same timing for each of the two switches on its own: a response on one
// switch starts no post-acceptance delay on the other, and holding one does
// not count towards the acceptance of the other.
class SwitchPairTiming {
public:
    SwitchPairTiming(const MonotonicClock& clock, int acceptanceMs, int postAcceptanceMs);

    // Call at every poll with both switches as they are now; returns which
    // are accepted, as SwitchTiming::filter does for one.
    SwitchLevels filter(const SwitchLevels& down);

private:
    std::array<SwitchTiming, 2> timings_;
};
