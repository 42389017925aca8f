#include "switch/switch_timing.h"

#include "media/monotonic_clock.h"

SwitchTiming::SwitchTiming(const MonotonicClock& clock, int acceptanceMs, int postAcceptanceMs)
    : clock_(clock)
    , acceptanceMs_(acceptanceMs)
    , postAcceptanceMs_(postAcceptanceMs)
{
}

int16_t SwitchTiming::filter(bool down)
{
    if (!down) {
        pressStart_.reset();
        pressAccepted_ = false;
        return 0;
    }
    const int64_t now = clock_.now_ms();
    if (!pressStart_) {
        pressStart_ = now;
        pressIgnored_ = lastAcceptance_ && now - *lastAcceptance_ < postAcceptanceMs_;
    }
    if (pressIgnored_)
        return 0;
    if (!pressAccepted_ && now - *pressStart_ >= acceptanceMs_) {
        pressAccepted_ = true;
        lastAcceptance_ = now;
    }
    return pressAccepted_ ? 1 : 0;
}

SwitchPairTiming::SwitchPairTiming(const MonotonicClock& clock, int acceptanceMs, int postAcceptanceMs)
    : timings_{SwitchTiming(clock, acceptanceMs, postAcceptanceMs),
               SwitchTiming(clock, acceptanceMs, postAcceptanceMs)}
{
}

SwitchLevels SwitchPairTiming::filter(const SwitchLevels& down)
{
    return {timings_[0].filter(down.first) == 1, timings_[1].filter(down.second) == 1};
}
