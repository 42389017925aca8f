// The clip listing and the user's guide as List1 shows them: exact lines,
// files that are missing, and where the list sits on the screen.

#include "state/clip_listing.h"
#include "app/list_panel.h"
#include "state/users_guide.h"
#include "support/test_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

const QString Rule34(34, u'_');
const QString Rule32(32, u'-');
const QStringList TitleBlock = {" ", "    Movie Clips by Category", Rule34, " ", " ", " "};

class ListingTest : public ::testing::Test {
protected:
    QString folder() const { return dir.path() + u'/'; }
    void write(const QString& name, const QByteArray& content) { write_test_file(folder() + name, content); }
    QTemporaryDir dir;
};

// Each row: the clip list, or none, and the lines that follow the title block.
TEST_F(ListingTest, EachCategoryIsABlockHeadedByItsNameUnderTheTitle)
{
    const struct {
        const char* name;
        std::optional<QByteArray> sequence;
        QStringList lines;
    } rows[] = {
        // clang-format off
        {"a worked layout of two categories",
         "dog,animals,\"Dog barks\",,\r\ncat,animals,\"Cat, asleep\",x,y\r\n"
         "mixer,appliances,Mixer runs,,\r\n",
         {" ", " ", "Animals", Rule32, "Dog barks", "Cat, asleep",
          " ", " ", "Appliances", Rule32, "Mixer runs"}},
        {"an empty file shows only the title block", "", {}},
        // An empty key before any other gets no block; every later change of key
        // starts one, headed by the key itself when it is not one of the ten.
        {"keys outside the ten and keys that return",
         "a,,Untitled first,,\r\nb,food,Bread,,\r\nc,Animals,Capital key,,\r\nd,pets,Hamster,,\r\n"
         "e,,No key,,\r\nf,food,Soup,,\r\n",
         {"Untitled first", " ", " ", "Food", Rule32, "Bread", " ", " ", "Animals", Rule32, "Capital key",
          " ", " ", "pets", Rule32, "Hamster", " ", " ", "(no category)", Rule32, "No key",
          " ", " ", "Food", Rule32, "Soup"}},
        {"a missing file", std::nullopt, {"Cannot read aobj_sqc.seq"}},
        {"a short last entry", "dog,animals,Dog,,\r\ncat,animals\r\n",
         {" ", " ", "Animals", Rule32, "Dog", " ", "aobj_sqc.seq: last entry cut"}},
        {"UTF-8 titles", "cafe,food,\"Caf\xC3\xA9 au lait\",,\r\n",
         {" ", " ", "Food", Rule32, QString::fromUtf8("Caf\u00E9 au lait")}},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(folder() + "aobj_sqc.seq");
        if (row.sequence)
            write("aobj_sqc.seq", *row.sequence);
        EXPECT_EQ(clip_listing_lines(folder()), TitleBlock + row.lines);
    }
}

TEST_F(ListingTest, GuideLinesAreKeptAsTheyStand)
{
    write("aobj_gid.txt",
          "Title\r\n\r\n   indented line  \r\n\tTab\nTh\xE9rapie (8-bit)\r\nlast line without end");
    EXPECT_EQ(users_guide_lines(folder()),
              QStringList({"Title", "", "   indented line  ", "\tTab",
                           QString::fromUtf8("Th\u00E9rapie (8-bit)"), "last line without end"}));
}

TEST_F(ListingTest, GuideSavedAsUtf8ReadsAsUtf8)
{
    write("aobj_gid.txt", "\xEF\xBB\xBFTh\xC3\xA9rapie\r\nCaf\xC3\xA9\r\n");
    EXPECT_EQ(users_guide_lines(folder()),
              QStringList({QString::fromUtf8("Th\u00E9rapie"), QString::fromUtf8("Caf\u00E9")}));
}

// Before fields were bounded, "Show Clips by Category" took 12 s and 465 MB
// over such a file.
TEST_F(ListingTest, TenMegabyteRecordListsQuicklyAndSmall)
{
    write("aobj_sqc.seq", "dog,animals," + QByteArray(10 * 1024 * 1024, 'x') + ",,\r\ncat,animals,Cat,,\r\n");
    const auto peakKb = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    };
    const long peakBefore = peakKb();
    QElapsedTimer timer;
    timer.start();
    QListWidget list;
    style_list_panel(list);
    fill_list_panel(list, ClipListingWidth, {1024, 768}, clip_listing_lines(folder()));
    list.show();
    QCoreApplication::processEvents();
    const qint64 ms = timer.elapsed();
    EXPECT_EQ(list.findItems("Cat", Qt::MatchExactly).size(), 1);
    EXPECT_LT(ms, 2000);
    EXPECT_LT(peakKb() - peakBefore, 100 * 1024);
}

TEST_F(ListingTest, MissingGuideNamesTheFile)
{
    const QStringList lines = users_guide_lines(folder());
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith("The user's guide could not be read: " + folder() + "aobj_gid.txt"))
        << lines[0].toStdString();
}

TEST(ListPanel, GeometryOnKnownScreens)
{
    EXPECT_EQ(list_panel_geometry(ClipListingWidth, {1024, 768}), QRect(412, 78, 200, 300));
    EXPECT_EQ(list_panel_geometry(UsersGuideWidth, {1024, 768}), QRect(162, 78, 700, 300));
    EXPECT_EQ(list_panel_geometry(UsersGuideWidth, {1920, 1080}), QRect(610, 130, 700, 300));
    // Fractions round to the nearest pixel: (721 - 300) / 6 = 70.17.
    EXPECT_EQ(list_panel_geometry(ClipListingWidth, {1366, 721}), QRect(583, 70, 200, 300));
}

TEST(ListPanel, LongLinesAreCutWithoutAHorizontalScrollbar)
{
    QListWidget list;
    style_list_panel(list);
    fill_list_panel(list, ClipListingWidth, {1024, 768},
                    {Rule34, "A clip title far wider than the narrow list"});
    list.show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
}

TEST(ListPanel, RefillReplacesTheGuideWithTheListing)
{
    QListWidget list;
    fill_list_panel(list, UsersGuideWidth, {1024, 768}, {"b guide", "a guide", "c guide"});
    EXPECT_EQ(list.width(), 700);
    EXPECT_EQ(list.item(0)->text(), "b guide") << "items stay in insertion order";
    fill_list_panel(list, ClipListingWidth, {1024, 768}, {"listing"});
    EXPECT_EQ(list.geometry(), QRect(412, 78, 200, 300));
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(0)->text(), "listing");
}

}  // namespace
