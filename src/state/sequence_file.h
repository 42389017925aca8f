#pragma once
// Sequence files: records of five comma-separated fields naming the clips of
// one play order (clip name, category key, title, two unused fields).

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

struct SequenceRecord {
    std::array<QString, 5> fields;
};

struct SequenceFile {
    std::vector<SequenceRecord> records;  // complete records, in file order
    QString error;           // "" or a plain message naming the file that could not be read
    bool truncated = false;  // the last record had fewer than five fields (it is not in records)
};

SequenceFile read_sequence_file(const QString& path);

// The records of the file content `text` (UTF-8 or 8-bit text, see decode_text).
SequenceFile parse_sequence(const QByteArray& text);

// A plain message for a file whose last record was incomplete.
QString truncated_record_message(const QString& path);
