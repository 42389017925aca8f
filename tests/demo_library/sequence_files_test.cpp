// The three sequence files describe the same clips, in the promised orders,
// in the record format the program reads.
#include "library_files.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QStringList Files = {"aobj_sqr.seq", "aobj_sqc.seq", "aobj_sqa.seq"};

QStringList column(const SequenceFile& file, int field)
{
    QStringList values;
    for (const QStringList& r : file.records)
        values.append(r.value(field));
    return values;
}

TEST(SequenceFiles, RecordsHaveFiveFieldsCrLfAndKnownCategories)
{
    for (const QString& name : Files) {
        SCOPED_TRACE(name.toStdString());
        const SequenceFile file = read_sequence_file(program_folder().filePath(name));
        EXPECT_TRUE(file.crlfOnly);
        ASSERT_GE(file.records.size(), 30);
        EXPECT_LE(file.records.size(), 150);  // the clip list holds at most 150
        for (const QStringList& r : file.records) {
            SCOPED_TRACE(r.join('|').toStdString());
            ASSERT_EQ(r.size(), 5);
            EXPECT_TRUE(category_keys().contains(r[1]));
            EXPECT_FALSE(r[2].trimmed().isEmpty());
            // Clip names become file names: lower-case ASCII, no spaces.
            EXPECT_TRUE(QRegularExpression("^[a-z0-9_]+$").match(r[0]).hasMatch());
        }
    }
}

TEST(SequenceFiles, AllThreeHoldTheSameClipsOnceEach)
{
    QList<QStringList> names;
    for (const QString& name : Files)
        names.append(column(read_sequence_file(program_folder().filePath(name)), 0));
    const QSet<QString> clips(names[0].begin(), names[0].end());
    EXPECT_EQ(clips.size(), names[0].size()) << "a clip is listed twice";
    for (const QStringList& other : names) {
        EXPECT_EQ(QSet<QString>(other.begin(), other.end()), clips);
        EXPECT_EQ(other.size(), names[0].size());
    }
    EXPECT_NE(names[0], names[1]) << "the random order equals the category order";
    EXPECT_NE(names[0], names[2]) << "the random order equals the alphabetical order";
}

TEST(SequenceFiles, CategoryOrderGroupsEveryCategoryWithAtLeastSixClips)
{
    const QStringList keys = column(read_sequence_file(program_folder().filePath("aobj_sqc.seq")), 1);
    qsizetype previous = -1;
    for (const QString& key : keys) {
        const qsizetype index = category_keys().indexOf(key);
        EXPECT_GE(index, previous) << "category " << key.toStdString() << " out of order";
        previous = index;
    }
    for (const QString& key : category_keys())
        EXPECT_GE(keys.count(key), 6) << key.toStdString();
}

TEST(SequenceFiles, AlphabeticalOrderIsSortedByTitle)
{
    const QStringList titles = column(read_sequence_file(program_folder().filePath("aobj_sqa.seq")), 2);
    for (qsizetype i = 1; i < titles.size(); ++i)
        EXPECT_LE(titles[i - 1].compare(titles[i], Qt::CaseInsensitive), 0)
            << titles[i - 1].toStdString() << " before " << titles[i].toStdString();
}

TEST(SequenceFiles, AQuotedTitleKeepsItsCommaWithoutShiftingFields)
{
    const SequenceFile file = read_sequence_file(program_folder().filePath("aobj_sqc.seq"));
    bool found = false;
    for (const QStringList& r : file.records)
        if (r.value(2).contains(',')) {
            found = true;
            EXPECT_TRUE(category_keys().contains(r[1]));
        }
    EXPECT_TRUE(found) << "no title with a comma to exercise the quoted-field rule";
}

TEST(SequenceFileReader, HandlesQuotesBlanksAndEmptyFields)
{
    const QString path = QDir::temp().filePath("flickerbox_library_reader_test.seq");
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("  cup,kitchen,\"Cup, saucer\" ,4,\r\nx,animals,plain,,\"d\"\r\n");
    out.close();
    const SequenceFile file = read_sequence_file(path);
    QFile::remove(path);
    ASSERT_EQ(file.records.size(), 2);
    EXPECT_EQ(file.records[0], (QStringList{"cup", "kitchen", "Cup, saucer", "4", ""}));
    EXPECT_EQ(file.records[1], (QStringList{"x", "animals", "plain", "", "d"}));
    EXPECT_TRUE(file.crlfOnly);
}

}  // namespace
