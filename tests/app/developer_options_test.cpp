// The developer options on the command line, among words the program ignores.

#include "app/developer_options.h"

#include <gtest/gtest.h>

namespace {

TEST(DeveloperOptions, ReadsBothOptionsAndIgnoresEverythingElse)
{
    const DeveloperOptions set = developer_options(
        {"flickerbox", "--unknown", "--response-log", "/tmp/log", "--windows-version", "5.1", "stray"});
    EXPECT_EQ(set.responseLog, "/tmp/log");
    ASSERT_TRUE(set.windowsVersion);
    EXPECT_EQ(set.windowsVersion->majorVersion, 5u);
    EXPECT_EQ(set.windowsVersion->minorVersion, 1u);
    EXPECT_EQ(set.windowsVersion->platformId, PlatformWin32Nt);

    EXPECT_EQ(developer_options({"flickerbox", "--windows-version", "6"}).windowsVersion->majorVersion, 6u);
    for (const char* bad : {"", "x", "5.x", "5."})
        EXPECT_FALSE(developer_options({"flickerbox", "--windows-version", bad}).windowsVersion) << bad;
    EXPECT_TRUE(developer_options({"flickerbox"}).responseLog.isEmpty());
}

}  // namespace
