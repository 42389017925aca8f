#pragma once

#include "media/monotonic_clock.h"

#include <cmath>
#include <deque>

// Moved by hand, in milliseconds; scripted readings, when given, come first,
// each read once, and the last of them then stays.
class FakeClock : public MonotonicClock {
public:
    double seconds() const override
    {
        if (!readings.empty()) {
            now = std::llround(readings.front() * 1000);
            readings.pop_front();
        }
        return double(now) / 1000;
    }
    mutable int64_t now = 1'000'000;
    mutable std::deque<double> readings;  // in seconds
};
