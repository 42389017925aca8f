#pragma once
// Time as the pacing code reads it: seconds on a clock that never jumps, so a
// measurement or an interval cannot go wrong when the time of day is changed.
// Tests install a clock they move by hand.

class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual double seconds() const = 0;
};

// The system's steady clock.
class SteadyClock : public MonotonicClock {
public:
    double seconds() const override;
};
