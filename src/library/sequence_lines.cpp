#include "library/sequence_lines.h"

#include "state/globvars.h"
#include "state/sequence_file.h"

namespace {

int category_rank(const QString& key)
{
    for (int i = 0; i < CategoryCount; ++i)
        if (key == QLatin1String(CategoryKeys[size_t(i)]))
            return i;
    return CategoryCount;
}

SequenceLine line_of(const QByteArray& text, const QByteArray& end)
{
    SequenceLine line;
    line.text = text;
    line.end = end;
    const SequenceFile parsed = parse_sequence(text);
    if (parsed.records.size() == 1 && !parsed.truncated) {
        line.isRecord = true;
        line.name = parsed.records[0].fields[0];
        line.category = parsed.records[0].fields[1];
        line.title = parsed.records[0].fields[2];
    }
    return line;
}

}  // namespace

SequenceLines split_sequence(const QByteArray& bytes)
{
    SequenceLines lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < bytes.size() && bytes[next] == '\r')
            ++next;
        if (next < bytes.size() && bytes[next] == '\n')
            ++next;
        lines.push_back(line_of(bytes.mid(start, end - start), bytes.mid(end, next - end)));
        start = next;
    }
    return lines;
}

QByteArray join_sequence(const SequenceLines& lines)
{
    QByteArray bytes;
    for (const SequenceLine& line : lines)
        bytes += line.text + line.end;
    return bytes;
}

QByteArray sequence_record(const QString& name, const QString& category, const QString& title, int seconds)
{
    QString quoted = title;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QStringLiteral("%1,%2,\"%3\",%4,\"\"\r\n").arg(name, category, quoted).arg(seconds).toLatin1();
}

size_t category_place(const SequenceLines& lines, const QString& category)
{
    const int rank = category_rank(category);
    size_t place = 0;
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].isRecord && category_rank(lines[i].category) <= rank)
            place = i + 1;
    return place;
}

size_t title_place(const SequenceLines& lines, const QString& title)
{
    size_t place = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].isRecord)
            continue;
        if (lines[i].title.compare(title, Qt::CaseInsensitive) > 0)
            return i;
        place = i + 1;
    }
    return place;
}

size_t random_place(const SequenceLines& lines, std::mt19937& random)
{
    std::vector<size_t> places;  // before each record, and after the last
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].isRecord)
            places.push_back(i);
    places.push_back(places.empty() ? 0 : places.back() + 1);
    return places[std::uniform_int_distribution<size_t>(0, places.size() - 1)(random)];
}

void insert_record(SequenceLines& lines, size_t at, const QByteArray& record)
{
    SequenceLine line = line_of(record.chopped(2), record.right(2));
    // Appended after a last line without a line end: that line gets one and
    // the new line does without, so removing it again restores the file.
    if (at == lines.size() && at > 0 && lines.back().end.isEmpty()) {
        lines.back().end = line.end;
        line.end.clear();
    }
    lines.insert(lines.begin() + qsizetype(at), std::move(line));
}

int remove_records(SequenceLines& lines, const QString& name)
{
    int removed = 0;
    for (size_t i = lines.size(); i-- > 0;) {
        if (!lines[i].isRecord || lines[i].name != name)
            continue;
        if (i + 1 == lines.size() && i > 0 && lines[i].end.isEmpty())
            lines[i - 1].end.clear();
        lines.erase(lines.begin() + qsizetype(i));
        ++removed;
    }
    return removed;
}
