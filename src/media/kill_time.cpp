#include "media/kill_time.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace {
// Fixed work of one pass: about 2 µs on the development machine, so that a
// calibrated animation step is milliseconds of counting, not nanoseconds that
// the drawing around it would swamp.
constexpr int StepsPerPass = 1300;

// The work starts from a value the optimiser cannot know and ends in one it
// must keep, so none of it can be computed ahead or left out.
volatile uint64_t work_seed = 0x9e3779b97f4a7c15ull;
volatile uint64_t work_result;

// Each step needs the result of the one before, and multiply, shift and
// exclusive-or take the same time whatever the values: every pass costs the
// same and cannot overlap the next. The mix is not linear, so no compiler
// folds the chain into a formula.
inline uint64_t one_pass(uint64_t x)
{
    for (int step = 0; step < StepsPerPass; ++step) {
        x ^= x >> 31;
        x *= 0xbf58476d1ce4e5b9ull;
    }
    return x;
}

// The one loop behind kill_time and its tally.
template <typename OnPass>
void count_passes(double count, OnPass on_pass)
{
    const uint64_t limit = kill_time_pass_limit(count);
    uint64_t work = work_seed;
    uint64_t counter = 0;
    do {
        work = one_pass(work);
        counter = counter + 1;
        on_pass();
    } while (counter < limit);
    work_result = work;
}
}  // namespace

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

double kill_time_seconds_per_pass()
{
    // The quickest of several short runs, after counting long enough (about
    // 10 ms) for an idle processor to speed up: a run that another process
    // or a slow clock speed held up must not make the passes look dearer.
    static const double seconds = [] {
        kill_time(5000);
        constexpr int Runs = 8;
        constexpr double PassesPerRun = 63;  // kill_time makes one more
        double quickest = std::numeric_limits<double>::infinity();
        for (int run = 0; run < Runs; ++run) {
            const auto start = std::chrono::steady_clock::now();
            kill_time(PassesPerRun);
            const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
            quickest = std::min(quickest, spent.count());
        }
        return std::max(quickest / (PassesPerRun + 1), 1e-9);
    }();
    return seconds;
}

uint64_t kill_time_counted_passes(double count)
{
    uint64_t passes = 0;
    count_passes(count, [&passes] { ++passes; });
    return passes;
}
