#pragma once
// Sequence files: records of five comma-separated fields naming the clips of
// one play order (clip name, category key, title, two unused fields).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

struct SequenceRecord {
    std::array<QString, 5> fields;
};

// What the reader keeps, so that a damaged or mistaken file cannot make the
// program slow or large: the characters of one field and of one line, and
// the number of records. A clip list holds a few hundred short records.
inline constexpr int MaxFieldLength = 255;
inline constexpr int MaxLineLength = 4096;
inline constexpr int MaxRecords = 10000;

struct SequenceFile {
    std::vector<SequenceRecord> records;  // complete records, in file order
    QString error;  // "" or a plain message naming the file that could not be read
    bool noText = false;  // the file was read but is no text; error says how to save it
    bool truncated = false;  // the last record had fewer than five fields (it is not in records)
    bool cut = false;  // a field or line was longer than the reader keeps; its rest was left out
    bool tooManyRecords = false;  // records after the first MaxRecords were left out
};

SequenceFile read_sequence_file(const QString& path);

// The records of the file content `text` (see decode_text); `path` names the
// file in the error when the content is no text.
SequenceFile parse_sequence(const QByteArray& text, const QString& path = {});

// A plain message for a file whose last record was incomplete.
QString truncated_record_message(const QString& path);

// Plain messages for what the reader left out of a file read whole
// (truncated, cut, tooManyRecords), one for each; none when nothing was.
QStringList left_out_messages(const SequenceFile& file, const QString& path);
