#include "media/kill_time.h"

#include <cmath>
#include <limits>

namespace {
// The one loop behind kill_time and its tally. A volatile counter makes every
// pass a real load, add and store that the optimiser cannot fold away, so the
// cost per pass does not depend on the count.
template <typename OnPass>
void count_passes(double count, OnPass on_pass)
{
    const uint64_t limit = kill_time_pass_limit(count);
    volatile uint64_t counter = 0;
    do {
        counter = counter + 1;
        on_pass();
    } while (counter < limit);
}
}

uint64_t kill_time_pass_limit(double count)
{
    if (!(count >= 1))  // also NaN
        return 1;
    if (count >= 0x1p63)  // centuries of counting; no wrap-around to a short delay
        return std::numeric_limits<uint64_t>::max();
    return static_cast<uint64_t>(std::floor(count)) + 1;
}

void kill_time(double count)
{
    count_passes(count, [] {});
}

uint64_t kill_time_counted_passes(double count)
{
    uint64_t passes = 0;
    count_passes(count, [&passes] { ++passes; });
    return passes;
}
