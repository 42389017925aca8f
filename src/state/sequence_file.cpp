#include "state/sequence_file.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int FieldsPerRecord = 5;

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_line_end(char c) { return c == '\r' || c == '\n'; }

class FieldReader {
public:
    explicit FieldReader(const QByteArray& text) : text_(text) {}

    bool at_end() const { return pos_ >= text_.size(); }
    bool after_comma() const { return afterComma_; }

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
    QString next_field()
    {
        while (!at_end() && is_blank(text_[pos_]))
            ++pos_;
        QByteArray value;
        if (!at_end() && text_[pos_] == '"') {
            ++pos_;
            // An unclosed quote ends at its line end rather than swallowing
            // every record after it. A doubled quote is one quote character,
            // as spreadsheets write it.
            while (!at_end() && !is_line_end(text_[pos_])) {
                if (text_[pos_] == '"') {
                    if (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '"')
                        break;
                    ++pos_;
                }
                value.append(text_[pos_++]);
            }
            if (!at_end() && text_[pos_] == '"')
                ++pos_;
            while (!at_end() && text_[pos_] != ',' && !is_line_end(text_[pos_]))
                ++pos_;
        } else {
            const qsizetype start = pos_;
            while (!at_end() && text_[pos_] != ',' && !is_line_end(text_[pos_]))
                ++pos_;
            qsizetype end = pos_;
            while (end > start && is_blank(text_[end - 1]))
                --end;
            value = text_.mid(start, end - start);
        }
        afterComma_ = !at_end() && text_[pos_] == ',';
        if (afterComma_)
            ++pos_;
        else
            skip_line_end();
        return QString::fromLatin1(value);
    }

private:
    void skip_line_end()  // CR LF, LF alone or CR alone
    {
        if (!at_end() && text_[pos_] == '\r')
            ++pos_;
        if (!at_end() && text_[pos_] == '\n')
            ++pos_;
    }

    const QByteArray& text_;
    qsizetype pos_ = 0;
    bool afterComma_ = false;
};

}  // namespace

SequenceFile parse_sequence(const QByteArray& text)
{
    SequenceFile file;
    FieldReader reader(text);
    while (!reader.at_end_of_records()) {
        SequenceRecord record;
        for (int i = 0; i < FieldsPerRecord; ++i) {
            // A comma just before the end of the file still announces an (empty) field.
            if (i > 0 && reader.at_end() && !reader.after_comma()) {
                file.truncated = true;
                return file;
            }
            record.fields[size_t(i)] = reader.next_field();
        }
        file.records.push_back(std::move(record));
    }
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
    return parse_sequence(text);
}

QString truncated_record_message(const QString& path)
{
    return QStringLiteral("The last entry of the clip sequence file \"%1\" has fewer than five "
                          "fields, so it was left out.")
        .arg(path);
}
