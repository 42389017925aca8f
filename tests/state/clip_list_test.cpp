#include "state/clip_list.h"
#include "support/test_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ClipList : public ::testing::Test {
protected:
    ClipList()
    {
        g.MediaFolder = dir.path() + '/';
        g.CategoryEnabled.fill(1);
        g.SequenceOrder = 2;
    }

    void write_sequence(const QString& name, const QByteArray& content) const
    {
        write_test_file(g.MediaFolder + name, content);
    }

    // `count` records "<prefix>1".."<prefix>count" of the given category.
    static QByteArray records(int count, const char* category, const char* prefix = "clip")
    {
        QByteArray text;
        for (int i = 1; i <= count; ++i)
            text += prefix + QByteArray::number(i) + ',' + category + ",Title,,\r\n";
        return text;
    }

    // "<prefix>1".."<prefix>count", as records() names them.
    static QStringList numbered(int count, const char* prefix = "clip")
    {
        QStringList names;
        for (int i = 1; i <= count; ++i)
            names << prefix + QString::number(i);
        return names;
    }

    QStringList clips() const
    {
        QStringList names;
        for (int i = 1; i <= g.ClipCount; ++i)
            names << g.ClipList[size_t(i)];
        return names;
    }

    QTemporaryDir dir;
    GlobVars g;
};

}  // namespace

TEST(SequenceFileName, ChosenBySequenceOrder)
{
    EXPECT_EQ(sequence_file_name(1), "aobj_sqr.seq");
    EXPECT_EQ(sequence_file_name(2), "aobj_sqc.seq");
    for (int16_t order : {0, 3, 4, -1})
        EXPECT_EQ(sequence_file_name(order), "aobj_sqa.seq") << order;
}

TEST(ClipNames, RefusesNamesThatLeaveTheMediaFolder)
{
    for (const char* safe : {"dog", "dog barking", "a.b", "caf\u00e9", "radio..music", "...", "..x"})
        EXPECT_TRUE(is_safe_clip_name(QString::fromUtf8(safe))) << safe;
    for (const char* unsafe : {"", "../dog", "..", "sub/dog", "sub\\dog", "/etc/passwd", ".", "a/.."})
        EXPECT_FALSE(is_safe_clip_name(QString::fromUtf8(unsafe))) << unsafe;
}

TEST_F(ClipList, AddClipKeepsOnlyExactKeysOfEnabledCategories)
{
    g.CategoryEnabled.fill(0);
    g.CategoryEnabled[size_t(ClipCategory::animals)] = 1;
    g.CategoryEnabled[size_t(ClipCategory::vehicles)] = 2;  // only 1 means enabled
    EXPECT_TRUE(AddClip(g, "dog", "animals"));
    EXPECT_FALSE(AddClip(g, "cat", "Animals"));
    EXPECT_FALSE(AddClip(g, "cow", "animals "));
    EXPECT_FALSE(AddClip(g, "bus", "vehicles"));
    EXPECT_FALSE(AddClip(g, "pie", "food"));
    EXPECT_FALSE(AddClip(g, "pig", "pets"));
    EXPECT_FALSE(AddClip(g, "../pig", "animals"));
    EXPECT_TRUE(AddClip(g, "hen", "animals"));
    EXPECT_EQ(clips(), (QStringList{"dog", "hen"}));
}

TEST_F(ClipList, AddClipNeverGrowsBeyondTheList)
{
    for (int i = 0; i < MaxClips; ++i)
        ASSERT_TRUE(AddClip(g, "c" + QString::number(i), "food"));
    EXPECT_FALSE(AddClip(g, "extra", "food"));
    EXPECT_EQ(g.ClipCount, MaxClips);
    EXPECT_EQ(g.ClipList[MaxClips], "c149");
}

TEST_F(ClipList, BuildsFromTheFileOfTheChosenOrder)
{
    write_sequence("aobj_sqr.seq", "r1,food,,,\r\n");
    write_sequence("aobj_sqc.seq", "c1,food,,,\r\nc2,food,,,\r\n");
    write_sequence("aobj_sqa.seq", "a1,food,,,\r\na2,food,,,\r\na3,food,,,\r\n");
    const std::pair<int16_t, QStringList> expected[] = {
        {2, {"c1", "c2"}}, {1, {"r1"}}, {0, {"a1", "a2", "a3"}}, {2, {"c1", "c2"}}, {4, {"a1", "a2", "a3"}}};
    for (const auto& [order, names] : expected) {
        g.SequenceOrder = order;
        const ClipListBuild build = build_clip_list(g);
        EXPECT_EQ(build.message, "");
        EXPECT_TRUE(build.fileRead);
        EXPECT_EQ(clips(), names) << order;  // rebuilt from count 0 each time
    }
}

// Each row: the clip list file, the categories on, and the list built; the
// message names each of `told` (none when nothing is to be told).
TEST_F(ClipList, KeepsTheQualifyingRecordsInFileOrderAndTellsWhatWasLeftOut)
{
    using Flags = std::array<int16_t, CategoryCount>;
    Flags all, noJobs, animals{};
    all.fill(1);
    noJobs = all;
    noJobs[size_t(ClipCategory::jobs)] = 0;
    animals[size_t(ClipCategory::animals)] = 1;
    const QByteArray mixed = "dog,animals,,,\r\ncar,vehicles,,,\r\ncat,Animals,,,\r\n"
                             "\"ant\",\"animals\",\"Ant, small\",,\r\nbus,vehicles,,,\r\n";
    const struct {
        const char* name;
        QByteArray sequence;
        Flags enabled;
        QStringList clips;
        QStringList told = {};
        const char* notTold = nullptr;
    } rows[] = {
        // clang-format off
        {"exact keys of the enabled categories, in file order", mixed, animals, {"dog", "ant"}},
        {"no category enabled", mixed, Flags{}, {}},
        {"exactly 150 qualifying records fit", records(150, "food") + records(20, "jobs", "job"), noJobs,
         numbered(150)},
        {"one beyond the 150th is counted", records(151, "food"), all, numbered(150), {"1 more clip "}},
        {"records of disabled categories are not counted as left out",
         records(160, "food") + records(30, "jobs", "job"), noJobs, numbered(150),
         {"10 more clips", g.MediaFolder + "aobj_sqc.seq"}},
        // bad/one's category is off: it is never a candidate.
        {"unsafe names are refused and named",
         "dog,animals,,,\r\n../../secret,animals,,,\r\n/etc/passwd,food,,,\r\n,food,,,\r\nbad/one,jobs,,,\r\n"
         "cat,animals,,,\r\n",
         noJobs, {"dog", "cat"}, {"\"../../secret\"", "\"/etc/passwd\""}, "bad/one"},
        {"everything to tell goes into one message", records(151, "food") + "../x,food,,,\r\nlast,food", all,
         numbered(150), {"fewer than five", "\"../x\"", "1 more clip "}},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        write_sequence("aobj_sqc.seq", row.sequence);
        g.CategoryEnabled = row.enabled;
        const ClipListBuild build = build_clip_list(g);
        EXPECT_TRUE(build.fileRead);
        EXPECT_EQ(clips(), row.clips);
        if (row.told.isEmpty()) {
            EXPECT_EQ(build.message, "");
        }
        for (const QString& part : row.told)
            EXPECT_TRUE(build.message.contains(part)) << build.message.toStdString();
        if (row.notTold) {
            EXPECT_FALSE(build.message.contains(row.notTold)) << build.message.toStdString();
        }
    }
}

TEST_F(ClipList, MissingFileLeavesAnEmptyListAndSaysSo)
{
    write_sequence("aobj_sqc.seq", records(3, "food"));
    build_clip_list(g);
    ASSERT_EQ(g.ClipCount, 3);

    g.SequenceOrder = 1;  // aobj_sqr.seq does not exist
    const ClipListBuild build = build_clip_list(g);
    EXPECT_FALSE(build.fileRead);
    EXPECT_EQ(g.ClipCount, 0);
    EXPECT_TRUE(build.message.contains(g.MediaFolder + "aobj_sqr.seq")) << build.message.toStdString();
}

TEST(ClipFiles, EachFileIsTakenFromTheFirstFolderHoldingIt)
{
    QTemporaryDir user, base;
    for (const QString& path :
         {user.filePath("new.mpg"), base.filePath("new.jpg"), base.filePath("new.mpg")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    GlobVars g;
    g.MediaFolder = base.path() + '/';
    g.ClipFolders = {user.path() + '/', base.path() + '/'};
    EXPECT_EQ(clip_file_path(g, "new.mpg"), user.filePath("new.mpg"));
    EXPECT_EQ(clip_file_path(g, "new.jpg"), base.filePath("new.jpg"));
    EXPECT_EQ(clip_file_path(g, "new.wav"), base.filePath("new.wav"));  // missing: named where the list is
}
