// Records go in at the right place and come out again without touching any
// other byte of a sequence file.
#include "library/sequence_lines.h"
#include "state/sequence_file.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <set>

namespace {

const QByteArray Files[] = {
    "a,animals,\"Ant\",3,\"\"\r\nk,kitchen,\"Kettle\",4,\"\"\r\nv,vehicles,\"Van\",5,\"\"\r\n",
    // LF line ends, a blank line, and no line end after the last record.
    "a,animals,\"Ant\",3,\"\"\n\nk,kitchen,\"Kettle\",4,\"\"\nv,vehicles,\"Van\",5,\"\"",
    "",
};

QStringList names(const QByteArray& bytes)
{
    QStringList list;
    for (const SequenceRecord& r : parse_sequence(bytes).records)
        list << r.fields[0];
    return list;
}

TEST(SequenceLines, AddingThenRemovingRestoresEveryByte)
{
    std::mt19937 random(7);
    for (const QByteArray& original : Files) {
        SCOPED_TRACE(original.toStdString());
        const QByteArray record = sequence_record("new", "food", "New", 2);
        for (size_t at : {size_t(0), size_t(1), split_sequence(original).size()}) {
            SequenceLines lines = split_sequence(original);
            if (at > lines.size())
                continue;
            insert_record(lines, at, record);
            const QByteArray added = join_sequence(lines);
            EXPECT_EQ(names(added).count("new"), 1) << added.toStdString();
            EXPECT_EQ(names(added).size(), names(original).size() + 1);
            SequenceLines again = split_sequence(added);
            EXPECT_EQ(remove_records(again, "new"), 1);
            EXPECT_EQ(join_sequence(again), original);
        }
        SequenceLines lines = split_sequence(original);
        insert_record(lines, random_place(lines, random), record);
        EXPECT_EQ(names(join_sequence(lines)).size(), names(original).size() + 1);
    }
}

TEST(SequenceLines, CategoryAndTitlePlaces)
{
    const SequenceLines lines = split_sequence(Files[0]);
    // After the last record of its category, or of the nearest one before it.
    EXPECT_EQ(category_place(lines, "animals"), 1u);
    EXPECT_EQ(category_place(lines, "food"), 1u);
    EXPECT_EQ(category_place(lines, "vehicles"), 3u);
    EXPECT_EQ(category_place(split_sequence("k,kitchen,K,1,x\r\n"), "animals"), 0u);
    // Sorted without regard to letter case.
    EXPECT_EQ(title_place(lines, "apple"), 1u);
    EXPECT_EQ(title_place(lines, "zebra"), 3u);
    EXPECT_EQ(title_place(lines, "a"), 0u);
}

TEST(SequenceLines, RandomPlaceIsAlwaysBetweenRecords)
{
    const SequenceLines lines = split_sequence(Files[1]);  // the blank line is line 1
    std::mt19937 random(1);
    std::set<size_t> seen;
    for (int i = 0; i < 200; ++i)
        seen.insert(random_place(lines, random));
    EXPECT_EQ(seen, (std::set<size_t>{0, 2, 3, 4}));
}

TEST(SequenceLines, TitlesWithCommasAndQuotesSurviveTheProgramsReader)
{
    const QByteArray record = sequence_record("dog", "animals", "Dogs, \"big\" cats, and mice", 4);
    const SequenceFile read = parse_sequence(record);
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(read.records[0].fields[0], "dog");
    EXPECT_EQ(read.records[0].fields[1], "animals");
    EXPECT_EQ(read.records[0].fields[2], "Dogs, \"big\" cats, and mice");
    EXPECT_EQ(read.records[0].fields[3], "4");
}

}  // namespace
