#include "media/version_name.h"

#include <gtest/gtest.h>

namespace {

// Reports a fixed version; leaves the record alone when `reports` is false.
class FixedVersion : public VersionQuery {
public:
    FixedVersion(uint32_t major, uint32_t minor, uint32_t platform, bool reports = true)
        : major_(major)
        , minor_(minor)
        , platform_(platform)
        , reports_(reports)
    {
    }

    bool query(OsVersionInfo& info) override
    {
        seen = info;
        if (!reports_)
            return false;
        info.majorVersion = major_;
        info.minorVersion = minor_;
        info.platformId = platform_;
        return true;
    }

    OsVersionInfo seen{1, 1, 1, 1};

private:
    uint32_t major_, minor_, platform_;
    bool reports_;
};

QString name_of(uint32_t major, uint32_t minor, uint32_t platform)
{
    FixedVersion query(major, minor, platform);
    return os_version_name(query);
}

}  // namespace

TEST(VersionName, NamesEveryRowOfTheTable)
{
    EXPECT_EQ(name_of(3, 51, 2), "Windows NT 3.x");
    EXPECT_EQ(name_of(3, 10, 0), "Windows 3.x");
    EXPECT_EQ(name_of(3, 10, 1), "Windows 3.x");
    EXPECT_EQ(name_of(4, 0, 2), "Windows NT 4.0");
    EXPECT_EQ(name_of(4, 90, 2), "Windows NT 4.0");
    EXPECT_EQ(name_of(4, 0, 1), "Windows 95");
    EXPECT_EQ(name_of(4, 10, 1), "Windows 98");
    EXPECT_EQ(name_of(4, 90, 1), "Windows 98");
    EXPECT_EQ(name_of(5, 0, 2), "Windows 2000");
    EXPECT_EQ(name_of(5, 1, 2), "Windows XP");
    EXPECT_EQ(name_of(5, 1, 7), "Windows XP");
}

TEST(VersionName, VersionsWithoutANameOfTheirOwn)
{
    for (uint32_t minor : {2u, 3u, 99u}) {
        const QString name = name_of(5, minor, 2);
        EXPECT_TRUE(name.isEmpty()) << minor;
        EXPECT_NE(name, "Other");
    }
    EXPECT_EQ(name_of(6, 0, 2), "Other");
    EXPECT_EQ(name_of(10, 0, 2), "Other");
    EXPECT_EQ(name_of(2, 0, 2), "Other");
    EXPECT_EQ(name_of(0, 0, 0), "Other");
}

TEST(VersionName, QueryStartsFromAZeroedRecord)
{
    FixedVersion silent(5, 1, 2, false);
    EXPECT_EQ(os_version_name(silent), "Other");
    EXPECT_EQ(silent.seen.majorVersion, 0u);
    EXPECT_EQ(silent.seen.minorVersion, 0u);
    EXPECT_EQ(silent.seen.buildNumber, 0u);
    EXPECT_EQ(silent.seen.platformId, 0u);
}

TEST(VersionName, ThisPlatformReportsNoVersionAndGetsTheStillFrameCycle)
{
    OsVersionInfo info;
    PlatformVersionQuery platform;
    EXPECT_FALSE(platform.query(info));
    EXPECT_EQ(info.majorVersion, 0u);
    EXPECT_EQ(os_version_name(), "Other");
}
