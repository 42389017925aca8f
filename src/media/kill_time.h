#pragma once
// The counting delay that paces the animations. Its length depends on the
// computer's speed; calibrated counts make it last the wanted time.

#include <cstdint>
#include <functional>

// Busy-counts floor(count) + 1 passes; one pass for any count below 1 (or NaN).
// Never yields, sleeps or reads a clock. A pass is a fixed piece of work of
// about 2 µs whose cost is the same on every call, which is what makes
// calibrated counts meaningful.
void kill_time(double count);

// The number of passes kill_time makes for count; saturates instead of
// wrapping for counts beyond what a 64-bit counter can reach.
uint64_t kill_time_pass_limit(double count);

// Seconds one pass of kill_time takes on this computer when it is not held up
// by other work: measured once per process (about a millisecond of counting)
// and kept.
double kill_time_seconds_per_pass();

// Runs kill_time's loop with a tally attached and returns the passes it made.
uint64_t kill_time_counted_passes(double count);

// What the animations call between frames: kill_time in the program, a
// recorder in tests.
using Pacer = std::function<void(double count)>;
