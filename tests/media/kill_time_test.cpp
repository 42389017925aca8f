#include "media/kill_time.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(KillTime, CountsFloorOfTheCountPlusOnePasses)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double count;
        uint64_t passes;
    } cases[] = {
        {0, 1},  {0.5, 1},    {0.999, 1}, {1, 2},    {2.5, 3},
        {-1, 1}, {-1e300, 1}, {nan, 1},   {-inf, 1}, {65536.7, 65537},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kill_time_counted_passes(c.count), c.passes) << c.count;
        EXPECT_EQ(kill_time_pass_limit(c.count), c.passes) << c.count;
    }
}

TEST(KillTime, LargeCountsNeitherOverflowNorWrapToAShortDelay)
{
    EXPECT_EQ(kill_time_pass_limit(1e6), 1000001ull);
    EXPECT_EQ(kill_time_pass_limit(1e15), 1000000000000001ull);
    EXPECT_EQ(kill_time_pass_limit(4294967296.5), 4294967297ull);
    EXPECT_EQ(kill_time_pass_limit(0x1p62), (1ull << 62) + 1);
    const uint64_t most = std::numeric_limits<uint64_t>::max();
    EXPECT_EQ(kill_time_pass_limit(0x1p64), most);
    EXPECT_EQ(kill_time_pass_limit(1e300), most);
    EXPECT_EQ(kill_time_pass_limit(std::numeric_limits<double>::infinity()), most);
}
