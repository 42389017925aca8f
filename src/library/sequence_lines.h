#pragma once
// A sequence file as its lines, for adding and removing one record while
// every other byte of the file stays as it was.

#include <QByteArray>
#include <QString>
#include <random>
#include <vector>

struct SequenceLine {
    QByteArray text;  // without its line end
    QByteArray end;  // "\r\n", "\n", "\r", or "" on a last line without one
    bool isRecord = false;
    QString name, category, title;  // when isRecord
};

using SequenceLines = std::vector<SequenceLine>;

SequenceLines split_sequence(const QByteArray& bytes);
QByteArray join_sequence(const SequenceLines& lines);

// One record line (with CR LF) in the form the program's reader expects:
// the title quoted, a quote inside it doubled.
QByteArray sequence_record(const QString& name, const QString& category, const QString& title, int seconds);

// Where a new record goes: after the last record of its category (or of the
// nearest category before it in the listing order); before the first title
// that sorts after its own; at a random place among the records.
size_t category_place(const SequenceLines& lines, const QString& category);
size_t title_place(const SequenceLines& lines, const QString& title);
size_t random_place(const SequenceLines& lines, std::mt19937& random);

void insert_record(SequenceLines& lines, size_t at, const QByteArray& record);
// Removes every record of the clip; the number removed.
int remove_records(SequenceLines& lines, const QString& name);
