#include "state/sequence_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::array<QString, 5> fields(const char* a, const char* b, const char* c, const char* d, const char* e)
{
    return {QString::fromUtf8(a), QString::fromUtf8(b), QString::fromUtf8(c), QString::fromUtf8(d),
            QString::fromUtf8(e)};
}

}  // namespace

TEST(SequenceParse, ReadsFiveFieldsPerRecordInFileOrder)
{
    const SequenceFile file = parse_sequence("dog,animals,Dog barking,x,y\r\n"
                                             "toaster,appliances,Toaster,,\r\n");
    EXPECT_FALSE(file.truncated);
    ASSERT_EQ(file.records.size(), 2u);
    EXPECT_EQ(file.records[0].fields, fields("dog", "animals", "Dog barking", "x", "y"));
    EXPECT_EQ(file.records[1].fields, fields("toaster", "appliances", "Toaster", "", ""));
}

TEST(SequenceParse, QuotedFieldsKeepCommasAndDropWhatFollowsTheQuote)
{
    const SequenceFile file = parse_sequence("\"cat\",\"animals\",\"Cat, sleeping\",\"a\" junk ,5\r\n"
                                             "  \"  spaced  \"  ,food,t,4,5\r\n"
                                             "\"unclosed,food\r\nA,4,5,6\r\n");
    ASSERT_EQ(file.records.size(), 3u);
    EXPECT_EQ(file.records[0].fields, fields("cat", "animals", "Cat, sleeping", "a", "5"));
    EXPECT_EQ(file.records[1].fields[0], "  spaced  ");
    // An unclosed quote ends at its line end instead of swallowing the rest of the file.
    EXPECT_EQ(file.records[2].fields, fields("unclosed,food", "A", "4", "5", "6"));
    EXPECT_FALSE(file.truncated);
}

// A spreadsheet quotes every field and doubles a quote inside one; no field
// may shift, however many quotes and commas the titles hold.
TEST(SequenceParse, SpreadsheetExportReadsLikeTheOriginal)
{
    const std::vector<std::array<QString, 5>> original = {
        fields("duck", "animals", "The \"big\" duck, swimming", "", ""),
        fields("toaster", "kitchen", "Toast, \"done\"", "4", "5"),
        fields("car", "vehicles", "\"Car\"", "", ""), fields("bee", "animals", "Bee \"\"buzz\"\"", "", ""),
        fields("cup", "kitchen", "Cup", "", "")};
    QByteArray exported;
    for (const auto& record : original) {
        QStringList quoted;
        for (const QString& field : record)
            quoted.append('"' + QString(field).replace("\"", "\"\"") + '"');
        exported += quoted.join(',').toLatin1() + "\r\n";
    }
    const SequenceFile file = parse_sequence(exported);
    EXPECT_FALSE(file.truncated);
    ASSERT_EQ(file.records.size(), original.size());
    for (size_t i = 0; i < original.size(); ++i)
        EXPECT_EQ(file.records[i].fields, original[i]) << i;

    // A doubled quote that ends the line closes nothing: the line end still does.
    EXPECT_EQ(parse_sequence("\"a\"\"\r\nb,c,d,e\r\n").records.at(0).fields[0], "a\"");
}

TEST(SequenceParse, UnquotedFieldsDropSurroundingBlanks)
{
    const SequenceFile file = parse_sequence("   dog ,\tanimals\t,  Big \"dog\" ,4 , 5  \r\n");
    ASSERT_EQ(file.records.size(), 1u);
    EXPECT_EQ(file.records[0].fields, fields("dog", "animals", "Big \"dog\"", "4", "5"));
}

TEST(SequenceParse, LineEndsSeparateFieldsWhateverTheirKind)
{
    const SequenceFile lf = parse_sequence("a,food,A,4,5\nb,food,B,4,5\n");
    ASSERT_EQ(lf.records.size(), 2u);
    EXPECT_EQ(lf.records[1].fields[0], "b");

    // Fields are taken five at a time, so a record may span lines.
    const SequenceFile spanning = parse_sequence("a,food\r\nA,4,5\r\n");
    ASSERT_EQ(spanning.records.size(), 1u);
    EXPECT_EQ(spanning.records[0].fields, fields("a", "food", "A", "4", "5"));
}

TEST(SequenceParse, EightBitTextIsLatin1)
{
    const SequenceFile file = parse_sequence("caf\xE9,food,Caf\xE9 au lait,4,5\r\n");
    ASSERT_EQ(file.records.size(), 1u);
    EXPECT_EQ(file.records[0].fields[0], QString::fromUtf8("caf\u00e9"));
}

TEST(SequenceParse, BlankEndOfFileIsNoRecord)
{
    EXPECT_TRUE(parse_sequence("").records.empty());
    EXPECT_FALSE(parse_sequence("").truncated);
    EXPECT_FALSE(parse_sequence("  \r\n\r\n").truncated);

    for (const QByteArray& ending : {QByteArray("\r\n"), QByteArray("\r\n\r\n"), QByteArray("\r\n   "),
                                     QByteArray("\n \t\n\n"), QByteArray("")}) {
        const SequenceFile file = parse_sequence("a,food,A,4,5" + ending);
        EXPECT_EQ(file.records.size(), 1u) << ending.toStdString();
        EXPECT_FALSE(file.truncated) << ending.toStdString();
    }
    // A blank line between records does not shift the fields of the next one.
    EXPECT_EQ(parse_sequence("a,food,A,4,5\r\n\r\nb,food,B,4,5\r\n").records.size(), 2u);
}

TEST(SequenceParse, ShortLastRecordIsReportedAndLeftOut)
{
    for (const QByteArray& text :
         {QByteArray("a,food,A,4,5\r\nb,food,B\r\n"), QByteArray("a,food,A,4,5\r\nb,food,B,4"),
          QByteArray("a,food,A,4,5\r\nb\r\n\r\n")}) {
        const SequenceFile file = parse_sequence(text);
        EXPECT_TRUE(file.truncated) << text.toStdString();
        ASSERT_EQ(file.records.size(), 1u);
        EXPECT_EQ(file.records[0].fields[0], "a");
    }
    // A final comma announces the last, empty field.
    const SequenceFile trailingComma = parse_sequence("a,food,A,4,");
    EXPECT_FALSE(trailingComma.truncated);
    ASSERT_EQ(trailingComma.records.size(), 1u);
    EXPECT_EQ(trailingComma.records[0].fields[4], "");
}

TEST(SequenceFileRead, ReportsAMissingOrUnopenableFile)
{
    QTemporaryDir dir;
    const QString missing = dir.path() + "/aobj_sqa.seq";
    const SequenceFile absent = read_sequence_file(missing);
    EXPECT_TRUE(absent.records.empty());
    EXPECT_TRUE(absent.error.contains(missing)) << absent.error.toStdString();

    ASSERT_TRUE(QDir(dir.path()).mkdir("aobj_sqa.seq"));
    const SequenceFile folder = read_sequence_file(missing);
    EXPECT_TRUE(folder.error.contains(missing)) << folder.error.toStdString();
}

TEST(SequenceFileRead, ReadsTheFileFromDisk)
{
    QTemporaryDir dir;
    QFile out(dir.path() + "/aobj_sqc.seq");
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("dog,animals,\"Dog, wet\",,\r\nbee,animals,Be");
    out.close();
    const SequenceFile file = read_sequence_file(out.fileName());
    EXPECT_EQ(file.error, "");
    EXPECT_TRUE(file.truncated);
    ASSERT_EQ(file.records.size(), 1u);
    EXPECT_EQ(file.records[0].fields[2], "Dog, wet");
    EXPECT_TRUE(truncated_record_message(out.fileName()).contains(out.fileName()));
}

// A damaged file cannot make the reader slow or large: a field keeps its first
// MaxFieldLength characters, a line its first MaxLineLength, the file its
// first MaxRecords records, and what follows a cut is still read.
TEST(SequenceFileBounds, FieldsLinesAndRecordsAreBounded)
{
    const QByteArray huge(10 * 1024 * 1024, 'x');
    const SequenceFile longFields = parse_sequence("dog,animals," + huge + ",,\r\ncow,animals,\"" + huge
                                                   + "\",,\r\n"
                                                     "cat,animals,Cat,,\r\n");
    ASSERT_EQ(longFields.records.size(), 3u);
    EXPECT_EQ(longFields.records[0].fields[2], QString(MaxFieldLength, u'x'));
    EXPECT_EQ(longFields.records[1].fields[0], "cow");
    EXPECT_EQ(longFields.records[1].fields[2], QString(MaxFieldLength, u'x'));
    EXPECT_EQ(longFields.records[2].fields[2], "Cat");
    EXPECT_TRUE(longFields.cut);

    // One line of many records: those within the line's bound are kept, the
    // one the bound cuts ends there, and the next line starts a fresh record.
    const QByteArray record = "b,food,B,4,5,";
    const SequenceFile line = parse_sequence(record.repeated(400) + "\r\ncat,animals,Cat,,\r\n");
    const size_t whole = size_t(MaxLineLength / record.size());
    ASSERT_EQ(line.records.size(), whole + 2);
    EXPECT_EQ(line.records[whole - 1].fields[4], "5");
    EXPECT_EQ(line.records[whole].fields[0], "b");
    EXPECT_EQ(line.records[whole].fields[1], "");
    EXPECT_EQ(line.records.back().fields[0], "cat");
    EXPECT_EQ(line.records.back().fields[2], "Cat");
    EXPECT_TRUE(line.cut);
    EXPECT_FALSE(line.truncated);

    const SequenceFile many = parse_sequence(QByteArray("a,food,A,4,5\r\n").repeated(MaxRecords + 3));
    EXPECT_EQ(many.records.size(), size_t(MaxRecords));
    EXPECT_TRUE(many.tooManyRecords);
    EXPECT_FALSE(many.cut);
    const QStringList told = left_out_messages(many, "/x/aobj_sqa.seq");
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains("/x/aobj_sqa.seq")) << told[0].toStdString();
}
