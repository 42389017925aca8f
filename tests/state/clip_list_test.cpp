#include "state/clip_list.h"

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
        QFile file(g.MediaFolder + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // `count` records "<prefix>1".."<prefix>count" of the given category.
    static QByteArray records(int count, const char* category, const char* prefix = "clip")
    {
        QByteArray text;
        for (int i = 1; i <= count; ++i)
            text += prefix + QByteArray::number(i) + ',' + category + ",Title,,\r\n";
        return text;
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

TEST_F(ClipList, KeepsFileOrderOfEnabledCategories)
{
    write_sequence("aobj_sqc.seq",
                   "dog,animals,,,\r\ncar,vehicles,,,\r\ncat,Animals,,,\r\n"
                   "\"ant\",\"animals\",\"Ant, small\",,\r\nbus,vehicles,,,\r\n");
    g.CategoryEnabled.fill(0);
    g.CategoryEnabled[size_t(ClipCategory::animals)] = 1;
    EXPECT_EQ(build_clip_list(g).message, "");
    EXPECT_EQ(clips(), (QStringList{"dog", "ant"}));

    g.CategoryEnabled.fill(0);
    EXPECT_EQ(build_clip_list(g).message, "");
    EXPECT_EQ(g.ClipCount, 0);
}

TEST_F(ClipList, ExactlyOneHundredFiftyQualifyingRecordsFit)
{
    write_sequence("aobj_sqc.seq", records(150, "food") + records(20, "jobs", "job"));
    g.CategoryEnabled[size_t(ClipCategory::jobs)] = 0;
    const ClipListBuild build = build_clip_list(g);
    EXPECT_EQ(build.message, "");
    EXPECT_EQ(g.ClipCount, 150);
    EXPECT_EQ(g.ClipList[1], "clip1");
    EXPECT_EQ(g.ClipList[150], "clip150");
}

TEST_F(ClipList, RecordsBeyondTheHundredFiftiethAreCountedInTheMessage)
{
    write_sequence("aobj_sqc.seq", records(151, "food"));
    ClipListBuild build = build_clip_list(g);
    EXPECT_EQ(g.ClipCount, 150);
    EXPECT_EQ(g.ClipList[150], "clip150");
    EXPECT_TRUE(build.message.contains("1 more clip ")) << build.message.toStdString();

    // Records of disabled categories do not count as left out.
    write_sequence("aobj_sqc.seq", records(160, "food") + records(30, "jobs", "job"));
    g.CategoryEnabled[size_t(ClipCategory::jobs)] = 0;
    build = build_clip_list(g);
    EXPECT_TRUE(build.message.contains("10 more clips")) << build.message.toStdString();
    EXPECT_TRUE(build.message.contains(g.MediaFolder + "aobj_sqc.seq"));
}

TEST_F(ClipList, UnsafeNamesAreRefusedAndNamed)
{
    write_sequence("aobj_sqc.seq",
                   "dog,animals,,,\r\n../../secret,animals,,,\r\n"
                   "/etc/passwd,food,,,\r\n,food,,,\r\nbad/one,jobs,,,\r\ncat,animals,,,\r\n");
    g.CategoryEnabled[size_t(ClipCategory::jobs)] = 0;
    const ClipListBuild build = build_clip_list(g);
    EXPECT_TRUE(build.fileRead);
    EXPECT_EQ(clips(), (QStringList{"dog", "cat"}));
    EXPECT_TRUE(build.message.contains("\"../../secret\"")) << build.message.toStdString();
    EXPECT_TRUE(build.message.contains("\"/etc/passwd\""));
    EXPECT_FALSE(build.message.contains("bad/one"));  // its category is off: never a candidate
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

TEST_F(ClipList, EverythingToTellGoesIntoOneMessage)
{
    write_sequence("aobj_sqc.seq", records(151, "food") + "../x,food,,,\r\nlast,food");
    const ClipListBuild build = build_clip_list(g);
    EXPECT_TRUE(build.fileRead);
    EXPECT_EQ(g.ClipCount, 150);
    EXPECT_TRUE(build.message.contains("fewer than five")) << build.message.toStdString();
    EXPECT_TRUE(build.message.contains("\"../x\""));
    EXPECT_TRUE(build.message.contains("1 more clip "));
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
