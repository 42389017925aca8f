// The developer options on the command line, among words the program ignores.

#include "app/developer_options.h"
#include "app/learner_option.h"

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

// "--learner NAME" is read by its own reader from the same command line: the
// name must not be taken for a developer option's value, nor the reverse.
TEST(DeveloperOptions, SharesTheCommandLineWithTheLearnerOption)
{
    const QStringList line{"flickerbox", "--learner",         "Anna B.", "--response-log",
                           "/tmp/log",   "--windows-version", "5.1"};
    EXPECT_EQ(developer_options(line).responseLog, "/tmp/log");
    EXPECT_TRUE(developer_options(line).windowsVersion);
    EXPECT_EQ(learner_argument(line).name, "Anna B.");
    const QStringList joined{"flickerbox", "--response-log", "/tmp/log", "--learner=Anna"};
    EXPECT_EQ(developer_options(joined).responseLog, "/tmp/log");
    EXPECT_EQ(learner_argument(joined).name, "Anna");
}

}  // namespace
