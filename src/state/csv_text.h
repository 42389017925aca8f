#pragma once
// Comma-separated text as spreadsheets write and read it: a field holding the
// separator, a quote or a line break is quoted, with its quotes doubled.

#include <QList>
#include <QString>
#include <QStringList>

QString csv_line(const QStringList& fields, QChar separator = u',');

struct CsvText {
    QList<QStringList> rows;
    // The text ended inside a quoted field: the last row is cut short.
    bool openQuote = false;
    // The text did not end with a line break: the last row may be cut short.
    bool unfinishedLastRow = false;
};

// Rows split at line breaks outside quotes (LF or CR LF); empty lines are left out.
CsvText parse_csv(const QString& text, QChar separator = u',');
