#include "state/csv_text.h"

QString csv_line(const QStringList& fields, QChar separator)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields) {
        const bool needsQuotes = field.contains(separator) || field.contains(u'"') || field.contains(u'\n')
            || field.contains(u'\r');
        quoted << (needsQuotes ? u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"' : field);
    }
    return quoted.join(separator);
}

CsvText parse_csv(const QString& text, QChar separator)
{
    CsvText parsed;
    QStringList row;
    QString field;
    bool quoted = false;
    bool rowHasText = false;
    const auto endField = [&] {
        row << field;
        field.clear();
    };
    const auto endRow = [&] {
        endField();
        if (rowHasText || row.size() > 1)
            parsed.rows << row;
        row.clear();
        rowHasText = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
            rowHasText = true;
        } else if (c == separator) {
            endField();
        } else if (c == u'\n') {
            endRow();
        } else if (c != u'\r') {
            field += c;
            rowHasText = true;
        }
    }
    parsed.openQuote = quoted;
    parsed.unfinishedLastRow = !text.isEmpty() && !text.endsWith(u'\n');
    if (rowHasText || !row.isEmpty())
        endRow();
    return parsed;
}
