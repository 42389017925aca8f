#pragma once
// Time as the pacing code reads it: a clock that never jumps, so a
// measurement or an interval cannot go wrong when the time of day is changed.
// Tests install a clock they move by hand instead of sleeping.

#include <cmath>
#include <cstdint>

class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    // Seconds since an arbitrary fixed start; never goes backwards.
    virtual double seconds() const = 0;
    int64_t now_ms() const { return std::llround(seconds() * 1000); }
};

// The system's steady clock.
class SteadyClock : public MonotonicClock {
public:
    double seconds() const override;
};
