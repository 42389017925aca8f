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

// Each row: the text, the records it gives, field by field, in file order,
// and whether a short last record was left out.
TEST(SequenceParse, FieldsAreTakenFiveAtATimeAndAShortLastRecordIsLeftOut)
{
    using Record = std::array<QString, 5>;
    const Record a = fields("a", "food", "A", "4", "5"), b = fields("b", "food", "B", "4", "5");
    const struct {
        const char* name;
        QByteArray text;
        std::vector<Record> records;
        bool truncated = false;
    } rows[] = {
        // clang-format off
        {"five fields per record", "dog,animals,Dog barking,x,y\r\ntoaster,appliances,Toaster,,\r\n",
         {fields("dog", "animals", "Dog barking", "x", "y"),
          fields("toaster", "appliances", "Toaster", "", "")}},
        // An unclosed quote ends at its line end instead of swallowing the rest of the file.
        {"quoted fields keep commas and drop what follows the quote",
         "\"cat\",\"animals\",\"Cat, sleeping\",\"a\" junk ,5\r\n  \"  spaced  \"  ,food,t,4,5\r\n"
         "\"unclosed,food\r\nA,4,5,6\r\n",
         {fields("cat", "animals", "Cat, sleeping", "a", "5"), fields("  spaced  ", "food", "t", "4", "5"),
          fields("unclosed,food", "A", "4", "5", "6")}},
        {"a doubled quote that ends the line closes nothing", "\"a\"\"\r\nb,c,d,e\r\n",
         {fields("a\"", "b", "c", "d", "e")}},
        {"unquoted fields drop surrounding blanks", "   dog ,\tanimals\t,  Big \"dog\" ,4 , 5  \r\n",
         {fields("dog", "animals", "Big \"dog\"", "4", "5")}},
        {"a bare line feed ends a line too", "a,food,A,4,5\nb,food,B,4,5\n", {a, b}},
        {"a record may span lines", "a,food\r\nA,4,5\r\n", {a}},
        {"a blank line between records shifts no field", "a,food,A,4,5\r\n\r\nb,food,B,4,5\r\n", {a, b}},
        {"eight-bit text is Latin-1", "caf\xE9,food,Caf\xE9 au lait,4,5\r\n",
         {fields("caf\u00e9", "food", "Caf\u00e9 au lait", "4", "5")}},
        {"an empty file", "", {}},
        {"only blank lines", "  \r\n\r\n", {}},
        {"a final comma announces the last, empty field", "a,food,A,4,", {fields("a", "food", "A", "4", "")}},
        {"three fields last", "a,food,A,4,5\r\nb,food,B\r\n", {a}, true},
        {"four fields at the end of the file", "a,food,A,4,5\r\nb,food,B,4", {a}, true},
        {"one field and blank lines", "a,food,A,4,5\r\nb\r\n\r\n", {a}, true},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const SequenceFile file = parse_sequence(row.text);
        EXPECT_EQ(file.truncated, row.truncated);
        ASSERT_EQ(file.records.size(), row.records.size());
        for (size_t i = 0; i < row.records.size(); ++i)
            EXPECT_EQ(file.records[i].fields, row.records[i]) << i;
    }
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
}

TEST(SequenceParse, BlankEndOfFileIsNoRecord)
{
    for (const QByteArray& ending : {QByteArray("\r\n"), QByteArray("\r\n\r\n"), QByteArray("\r\n   "),
                                     QByteArray("\n \t\n\n"), QByteArray("")}) {
        const SequenceFile file = parse_sequence("a,food,A,4,5" + ending);
        EXPECT_EQ(file.records.size(), 1u) << ending.toStdString();
        EXPECT_FALSE(file.truncated) << ending.toStdString();
    }
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
