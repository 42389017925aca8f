#pragma once

#include "media/monotonic_clock.h"

// Moved by hand, in milliseconds.
class FakeClock : public MonotonicClock {
public:
    double seconds() const override { return double(now) / 1000; }
    int64_t now = 1'000'000;
};
