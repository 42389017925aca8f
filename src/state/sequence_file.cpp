#include "state/sequence_file.h"

#include "state/text_decoding.h"

#include <QFile>
#include <QFileInfo>
#include <utility>

namespace {

constexpr int FieldsPerRecord = 5;

bool is_blank(QChar c)
{
    return c == u' ' || c == u'\t';
}
bool is_line_end(QChar c)
{
    return c == u'\r' || c == u'\n';
}

class FieldReader {
public:
    explicit FieldReader(const QString& text)
        : text_(text)
    {
    }

    bool at_end() const { return pos_ >= text_.size(); }
    bool after_comma() const { return afterComma_; }
    bool cut() const { return cut_; }
    // True once after a field that reached the line's bound.
    bool take_line_cut() { return std::exchange(lineCut_, false); }

    // Before each record: lines holding only blanks are passed over, so the
    // empty line or trailing blanks a text editor leaves at the end of the
    // file end it cleanly instead of starting an incomplete record.
    bool at_end_of_records()
    {
        for (;;) {
            while (!at_end() && is_blank(text_[pos_]))
                ++pos_;
            if (at_end())
                return true;
            if (!is_line_end(text_[pos_]))
                return false;
            skip_line_end();
        }
    }

    // A quoted field is the text between its quotes, and whatever follows the
    // closing quote up to the separator is dropped. An unquoted field runs from
    // its first non-blank character to the separator, trailing blanks dropped.
    // A field keeps its first MaxFieldLength characters; a line ends for the
    // reader after MaxLineLength characters, and the rest of it is passed over.
    QString next_field()
    {
        while (in_line() && is_blank(text_[pos_]))
            ++pos_;
        QString value;
        if (in_line() && text_[pos_] == u'"') {
            ++pos_;
            // An unclosed quote ends at its line end rather than swallowing
            // every record after it. A doubled quote is one quote character,
            // as spreadsheets write it.
            while (in_line() && !is_line_end(text_[pos_])) {
                if (text_[pos_] == u'"') {
                    if (pos_ + 1 >= text_.size() || text_[pos_ + 1] != u'"')
                        break;
                    ++pos_;
                }
                if (value.size() < MaxFieldLength)
                    value.append(text_[pos_]);
                else
                    cut_ = true;
                ++pos_;
            }
            if (in_line() && text_[pos_] == u'"')
                ++pos_;
            while (in_line() && text_[pos_] != u',' && !is_line_end(text_[pos_]))
                ++pos_;
        } else {
            const qsizetype start = pos_;
            while (in_line() && text_[pos_] != u',' && !is_line_end(text_[pos_]))
                ++pos_;
            qsizetype end = pos_;
            while (end > start && is_blank(text_[end - 1]))
                --end;
            if (end - start > MaxFieldLength) {
                end = start + MaxFieldLength;
                cut_ = true;
            }
            value = text_.mid(start, end - start);
        }
        if (!at_end() && !in_line() && !is_line_end(text_[pos_])) {
            while (!at_end() && !is_line_end(text_[pos_]))
                ++pos_;
            cut_ = lineCut_ = true;
        }
        afterComma_ = !at_end() && text_[pos_] == u',';
        if (afterComma_)
            ++pos_;
        else
            skip_line_end();
        return value;
    }

private:
    bool in_line() const { return !at_end() && pos_ - lineStart_ < MaxLineLength; }

    void skip_line_end()  // CR LF, LF alone or CR alone
    {
        if (!at_end() && text_[pos_] == u'\r')
            ++pos_;
        if (!at_end() && text_[pos_] == u'\n')
            ++pos_;
        lineStart_ = pos_;
    }

    const QString& text_;
    qsizetype pos_ = 0;
    qsizetype lineStart_ = 0;
    bool afterComma_ = false;
    bool cut_ = false;
    bool lineCut_ = false;
};

}  // namespace

SequenceFile parse_sequence(const QByteArray& text, const QString& path)
{
    SequenceFile file;
    const std::optional<QString> decoded = decode_text(text);
    if (!decoded) {
        file.error = unreadable_text_message(QStringLiteral("clip sequence file"), path);
        file.noText = true;
        return file;
    }
    FieldReader reader(*decoded);
    while (!reader.at_end_of_records()) {
        if (file.records.size() == size_t(MaxRecords)) {
            file.tooManyRecords = true;
            break;
        }
        SequenceRecord record;
        for (int i = 0; i < FieldsPerRecord; ++i) {
            // A comma just before the end of the file still announces an (empty) field.
            if (i > 0 && reader.at_end() && !reader.after_comma()) {
                file.truncated = true;
                break;
            }
            record.fields[size_t(i)] = reader.next_field();
            // A record cut at the line's bound ends with the line, its
            // remaining fields empty, rather than taking them from the next line.
            if (reader.take_line_cut())
                break;
        }
        if (file.truncated)
            break;
        file.records.push_back(std::move(record));
    }
    file.cut = reader.cut();
    return file;
}

SequenceFile read_sequence_file(const QString& path)
{
    SequenceFile file;
    QFile in(path);
    if (!in.exists()) {
        file.error = QStringLiteral("The clip sequence file \"%1\" was not found.").arg(path);
        return file;
    }
    const bool isFolder = QFileInfo(path).isDir();
    if (isFolder || !in.open(QIODevice::ReadOnly)) {
        file.error = QStringLiteral("The clip sequence file \"%1\" could not be opened (%2).")
                         .arg(path, isFolder ? QStringLiteral("it is a folder") : in.errorString());
        return file;
    }
    const QByteArray text = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        file.error = QStringLiteral("The clip sequence file \"%1\" could not be read (%2).")
                         .arg(path, in.errorString());
        return file;
    }
    return parse_sequence(text, path);
}

QString truncated_record_message(const QString& path)
{
    return QStringLiteral("The last entry of the clip sequence file \"%1\" has fewer than five "
                          "fields, so it was left out.")
        .arg(path);
}

QStringList left_out_messages(const SequenceFile& file, const QString& path)
{
    QStringList messages;
    if (file.truncated)
        messages << truncated_record_message(path);
    if (file.cut)
        messages << QStringLiteral(
                        "Some entries of the clip sequence file \"%1\" are longer than the program "
                        "reads (%2 characters to a field, %3 to a line), so their rest was left out.")
                        .arg(path)
                        .arg(MaxFieldLength)
                        .arg(MaxLineLength);
    if (file.tooManyRecords)
        messages << QStringLiteral("The clip sequence file \"%1\" holds more than %2 entries, so the entries "
                                   "after that were left out.")
                        .arg(path)
                        .arg(MaxRecords);
    return messages;
}
