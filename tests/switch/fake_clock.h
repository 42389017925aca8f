#pragma once

#include "media/monotonic_clock.h"

class FakeClock : public MonotonicClock {
public:
    int64_t now_ms() const override { return now; }
    int64_t now = 1'000'000;
};
