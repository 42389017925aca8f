#include "state/sessions_file.h"

#include "state/csv_text.h"
#include "state/text_decoding.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

constexpr const char* Bom = "\xEF\xBB\xBF";

QString seconds_text(std::optional<int64_t> ms)
{
    return ms ? QString::number(double(*ms) / 1000, 'f', 3) : QString();
}

// Whole and decimal numbers as the program writes them, or as a spreadsheet
// with a decimal comma saves them again.
std::optional<double> number_from(QString text)
{
    bool ok = false;
    const double value = text.replace(u',', u'.').trimmed().toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// Everything but the options' texts, the prompt level and the note must be
// numbers; the response times are empty without a response.
std::optional<Session> session_from(const QStringList& fields)
{
    if (fields.size() < session_columns().size())
        return std::nullopt;
    Session s;
    s.start = QDateTime::fromString(fields[0].trimmed(), Qt::ISODate);
    bool whole = s.start.isValid();
    const auto count = [&](int column) {
        const std::optional<double> value = number_from(fields[column]);
        whole = whole && value;
        return int(value.value_or(0));
    };
    const auto seconds = [&](int column) -> std::optional<int64_t> {
        if (fields[column].trimmed().isEmpty())
            return std::nullopt;
        const std::optional<double> value = number_from(fields[column]);
        whole = whole && value;
        return std::llround(value.value_or(0) * 1000);
    };
    s.durationMs = seconds(1).value_or(0);
    s.options = {fields[2], fields[3], fields[4], count(5), fields[6], fields[21], count(22)};
    s.cues = count(7);
    s.responses = count(8);
    s.withinGoal = count(9);
    s.medianMs = seconds(10);
    s.fastestMs = seconds(11);
    s.slowestMs = seconds(12);
    s.afterPrompt = count(13);
    s.ignoredOutsideWaits = count(14);
    s.clips = count(15);
    s.skips = count(16);
    s.replays = count(17);
    s.leftOut = count(18);
    const std::optional<PromptLevel> level = prompt_level_from(fields[19]);
    if (!whole || !level)
        return std::nullopt;
    s.promptLevel = *level;
    s.note = fields[20];
    s.laterColumns = fields.mid(session_columns().size());
    return s;
}

// The separator a spreadsheet saved the file with: the program's comma, or
// the semicolon of a spreadsheet set to a decimal comma.
QChar separator_of(const QString& text)
{
    const QString header = text.left(text.indexOf(u'\n'));
    return header.count(u';') > header.count(u',') ? u';' : u',';
}

}  // namespace

QStringList session_columns()
{
    return {QStringLiteral("start"),
            QStringLiteral("duration (s)"),
            QStringLiteral("device"),
            QStringLiteral("play order"),
            QStringLiteral("screen size"),
            QStringLiteral("prompt interval (s)"),
            QStringLiteral("switch timing"),
            QStringLiteral("cues"),
            QStringLiteral("responses"),
            QStringLiteral("responses within goal"),
            QStringLiteral("median response (s)"),
            QStringLiteral("fastest response (s)"),
            QStringLiteral("slowest response (s)"),
            QStringLiteral("responses after a prompt"),
            QStringLiteral("presses during clip and spoken name"),
            QStringLiteral("clips"),
            QStringLiteral("skips"),
            QStringLiteral("replays"),
            QStringLiteral("clips left out"),
            QStringLiteral("prompt level"),
            QStringLiteral("note"),
            QStringLiteral("play mode"),
            QStringLiteral("mode number")};
}

QStringList session_fields(const Session& s)
{
    return QStringList{s.start.toString(Qt::ISODate),
                       QString::number(double(s.durationMs) / 1000, 'f', 0),
                       s.options.device,
                       s.options.order,
                       s.options.screenSize,
                       QString::number(s.options.promptSeconds),
                       s.options.switchTiming,
                       QString::number(s.cues),
                       QString::number(s.responses),
                       QString::number(s.withinGoal),
                       seconds_text(s.medianMs),
                       seconds_text(s.fastestMs),
                       seconds_text(s.slowestMs),
                       QString::number(s.afterPrompt),
                       QString::number(s.ignoredOutsideWaits),
                       QString::number(s.clips),
                       QString::number(s.skips),
                       QString::number(s.replays),
                       QString::number(s.leftOut),
                       prompt_level_text(s.promptLevel),
                       s.note,
                       s.options.playMode,
                       QString::number(s.options.modeNumber)}
    + s.laterColumns;
}

SessionsRead read_sessions(const QByteArray& bytes)
{
    SessionsRead read;
    if (bytes.isEmpty())
        return read;
    const std::optional<QString> text = decode_text(bytes);
    if (!text)
        return {{}, {QStringLiteral("sessions.csv is not text this program can read.")}};
    const QChar separator = separator_of(*text);
    if (!bytes.startsWith(Bom) || separator != u',')
        read.damage << QStringLiteral("sessions.csv was saved again in another form (by a spreadsheet or an "
                                      "editor).");
    const CsvText csv = parse_csv(*text, separator);
    if (csv.rows.isEmpty() || csv.rows[0].mid(0, session_columns().size()) != session_columns())
        read.damage << QStringLiteral("The header row of sessions.csv was changed.");
    // The program ends every line it writes; a spreadsheet may not end the last.
    const bool cutShort = csv.openQuote || (csv.unfinishedLastRow && bytes.startsWith(Bom));
    for (qsizetype row = 1; row < csv.rows.size(); ++row) {
        const std::optional<Session> session = session_from(csv.rows[row]);
        if (row == csv.rows.size() - 1 && cutShort)
            read.damage << QStringLiteral("The last line of sessions.csv is cut short.");
        else if (session)
            read.sessions << *session;
        else
            read.damage << QStringLiteral("Line %1 of sessions.csv cannot be read.").arg(row + 1);
    }
    return read;
}

QByteArray sessions_file_bytes(const QList<Session>& sessions)
{
    QByteArray bytes = Bom + csv_line(session_columns()).toUtf8() + "\r\n";
    for (const Session& session : sessions)
        bytes += csv_line(session_fields(session)).toUtf8() + "\r\n";
    return bytes;
}

QString append_session(const QString& folder, const Session& session)
{
    QFile file(folder + QLatin1String(SessionsFileName));
    const auto failed = [&] {
        return QStringLiteral("The session could not be added to %1: %2")
            .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    };
    if (!file.open(QIODevice::ReadWrite))
        return failed();
    // A line added to a damaged file could be swallowed by a line cut short,
    // or read in another form: the file waits for the adult's repair.
    const QByteArray old = file.readAll();
    if (!read_sessions(old).damage.isEmpty())
        return QStringLiteral(
                   "%1 is damaged or was changed outside the program, so this session was not added "
                   "to it; its events are kept in a file of their own. \"Records\u2026\" shows what "
                   "can be read and repairs the file.")
            .arg(QDir::toNativeSeparators(file.fileName()));
    if (old.isEmpty() && file.write(sessions_file_bytes({})) < 0)
        return failed();
    if (file.write(csv_line(session_fields(session)).toUtf8() + "\r\n") < 0 || !file.flush())
        return failed();
    return {};
}

QString save_sessions(const QString& folder, const QList<Session>& sessions)
{
    QSaveFile file(folder + QLatin1String(SessionsFileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(sessions_file_bytes(sessions)) < 0 || !file.commit())
        return QStringLiteral("%1 could not be saved: %2")
            .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    return {};
}

QString change_sessions(const QString& folder, const std::function<void(QList<Session>&)>& change)
{
    QFile file(folder + QLatin1String(SessionsFileName));
    if (file.exists() && !file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 cannot be read: %2")
            .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    SessionsRead read = read_sessions(file.readAll());
    if (!read.damage.isEmpty())
        return QStringLiteral("%1 is damaged, so nothing was changed in it. Open \"Records\u2026\" to see "
                              "what can be read and to repair it.\n%2")
            .arg(QDir::toNativeSeparators(file.fileName()), read.damage.join(u'\n'));
    change(read.sessions);
    return save_sessions(folder, read.sessions);
}

Session* session_at(QList<Session>& sessions, const QDateTime& start)
{
    const auto found =
        std::find_if(sessions.begin(), sessions.end(), [&](const Session& s) { return s.start == start; });
    return found == sessions.end() ? nullptr : &*found;
}
