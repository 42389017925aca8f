#pragma once
// What the playback window's polling step runs right after its yield: an
// adapter's level for devices 1..5, then the switch timing for every device.
// Make one per playback window, so a post-acceptance delay that begins in one
// wait carries into the next.

#include "switch/switch_timing.h"

struct GlobVars;

class SwitchResponse {
public:
    // Takes the timings from g as they are when playback starts.
    SwitchResponse(const MonotonicClock& clock, const GlobVars& g);

    // Call after every yield of the polling step, in place of poll_switch.
    void after_yield(GlobVars& g);

private:
    SwitchTiming timing_;
    bool timed_;
    bool holdCounts_;
    bool down_ = false;
};
