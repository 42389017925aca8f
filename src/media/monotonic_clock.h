#pragma once
// Time as a service: code that measures how long something lasted reads this
// clock, so tests can move it by hand instead of sleeping.

#include <chrono>
#include <cstdint>

class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    // Milliseconds since an arbitrary fixed start; never goes backwards.
    virtual int64_t now_ms() const = 0;
};

class SteadyClock : public MonotonicClock {
public:
    int64_t now_ms() const override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};
