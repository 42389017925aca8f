#include "state/sessions_file.h"

#include "state/csv_text.h"
#include "state/learner_lock.h"
#include "state/text_decoding.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

namespace {

constexpr const char* Bom = "\xEF\xBB\xBF";
// Columns every line has had since the play mode was added; those after
// them are read when there, so files of the versions before stay whole.
constexpr qsizetype RequiredColumns = 23;
constexpr const char* EndedUnexpectedly = "unexpectedly";
// Sessions started in one second on the computers sharing a folder.
constexpr int MostEventFilesASecond = 20;

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
    if (fields.size() < RequiredColumns)
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
    s.eventFile = fields.value(23).trimmed();
    // A name that leads out of the records folder is no event file of ours.
    if (s.eventFile.contains(u'/') || s.eventFile.contains(u'\\') || s.eventFile.startsWith(u'.'))
        return std::nullopt;
    s.endedUnexpectedly = fields.value(24).trimmed() == QLatin1String(EndedUnexpectedly);
    // An earlier version's line has no choice columns: no choices.
    const auto optional_count = [&](int column) {
        return fields.value(column).trimmed().isEmpty() ? 0 : count(column);
    };
    s.choices = optional_count(25);
    s.leftChoices = optional_count(26);
    s.rightChoices = optional_count(27);
    if (!whole)
        return std::nullopt;
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

// Ours, or an earlier version's with fewer columns, or a later one's with more.
bool is_header(const QStringList& row)
{
    const QStringList ours = session_columns();
    const qsizetype common = std::min(row.size(), ours.size());
    return common >= RequiredColumns && row.mid(0, common) == ours.mid(0, common);
}

bool has_our_header(const QByteArray& bytes)
{
    const std::optional<QString> text = decode_text(bytes.left(bytes.indexOf('\n')));
    const CsvText csv = parse_csv(text.value_or(QString()));
    return !csv.rows.isEmpty() && csv.rows[0].size() >= session_columns().size();
}

QString not_written(const TakenOver& lost)
{
    return lost.text().replace(QStringLiteral("What was not saved here is kept in"),
                               QStringLiteral("Nothing was changed in their records here. Anything not saved "
                                              "here is kept in"));
}

}  // namespace

QStringList session_columns()
{
    return {QStringLiteral("start"), QStringLiteral("duration (s)"), QStringLiteral("device"),
            QStringLiteral("play order"), QStringLiteral("screen size"),
            QStringLiteral("prompt interval (s)"), QStringLiteral("switch timing"), QStringLiteral("cues"),
            QStringLiteral("responses"), QStringLiteral("responses within goal"),
            QStringLiteral("median response (s)"), QStringLiteral("fastest response (s)"),
            QStringLiteral("slowest response (s)"), QStringLiteral("responses after a prompt"),
            QStringLiteral("presses during clip and spoken name"), QStringLiteral("clips"),
            QStringLiteral("skips"), QStringLiteral("replays"), QStringLiteral("clips left out"),
            QStringLiteral("prompt level"), QStringLiteral("note"), QStringLiteral("play mode"),
            QStringLiteral("mode number"), QStringLiteral("event file"), QStringLiteral("ended"),
            // Choosing one of two
            QStringLiteral("choices"), QStringLiteral("left choices"), QStringLiteral("right choices")};
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
                       QString::number(s.options.modeNumber),
                       s.eventFile,
                       s.endedUnexpectedly ? QLatin1String(EndedUnexpectedly) : QString(),
                       QString::number(s.choices),
                       QString::number(s.leftChoices),
                       QString::number(s.rightChoices)}
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
    if (csv.rows.isEmpty() || !is_header(csv.rows[0]))
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

namespace {
QString keep_aside(const QString& folder, const Session& session, const TakenOver& lost);
}

QString append_session(const QString& folder, const Session& session)
{
    if (const std::optional<TakenOver> lost = taken_over(folder))
        return keep_aside(folder, session, *lost);
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
    const SessionsRead read = read_sessions(old);
    if (!read.damage.isEmpty())
        return QStringLiteral(
                   "%1 is damaged or was changed outside the program, so this session was not added "
                   "to it; its events are kept in a file of their own. \"Records\u2026\" shows what "
                   "can be read and repairs the file.")
            .arg(QDir::toNativeSeparators(file.fileName()));
    // An earlier version's file gets the new header with the new line, so
    // a spreadsheet names every column.
    if (!old.isEmpty() && !has_our_header(old)) {
        file.close();
        return save_sessions(folder, read.sessions + QList<Session>{session});
    }
    if (old.isEmpty() && file.write(sessions_file_bytes({})) < 0)
        return failed();
    if (file.write(csv_line(session_fields(session)).toUtf8() + "\r\n") < 0 || !file.flush())
        return failed();
    return {};
}

namespace {

QString keep_aside(const QString& folder, const Session& session, const TakenOver& lost)
{
    const QString aside = lost.keptAside + QLatin1String(RecordsFolderName);
    const QString eventFile = event_file_of(session);
    // The event file goes with its line, unless the other computer has
    // already taken the file into its records.
    QFile current(folder + QLatin1String(SessionsFileName));
    QList<Session> theirs;
    if (current.open(QIODevice::ReadOnly))
        theirs = read_sessions(current.readAll()).sessions;
    const bool theyHaveIt = std::any_of(theirs.begin(), theirs.end(),
                                        [&](const Session& s) { return event_file_of(s) == eventFile; });
    QString failed;
    if (!QDir().mkpath(aside))
        failed = QStringLiteral("\"%1\" could not be made.").arg(QDir::toNativeSeparators(aside));
    else if (!theyHaveIt)
        QFile::rename(folder + eventFile, aside + eventFile);
    if (failed.isEmpty()) {
        QList<Session> kept;
        if (QFile old(aside + QLatin1String(SessionsFileName)); old.open(QIODevice::ReadOnly))
            kept = read_sessions(old.readAll()).sessions;
        QSaveFile file(aside + QLatin1String(SessionsFileName));
        if (!file.open(QIODevice::WriteOnly) || file.write(sessions_file_bytes(kept << session)) < 0
            || !file.commit())
            failed = QStringLiteral("%1 could not be saved: %2")
                         .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    }
    return QStringLiteral("This session's record was not added to the learner's records. ") + lost.text()
        + (failed.isEmpty() ? QString() : u'\n' + failed);
}

}  // namespace

QString save_sessions(const QString& folder, const QList<Session>& sessions)
{
    if (const std::optional<TakenOver> lost = taken_over(folder))
        return not_written(*lost);
    QSaveFile file(folder + QLatin1String(SessionsFileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(sessions_file_bytes(sessions)) < 0 || !file.commit())
        return QStringLiteral("%1 could not be saved: %2")
            .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    return {};
}

QString change_sessions(const QString& folder, const std::function<void(QList<Session>&)>& change)
{
    if (const std::optional<TakenOver> lost = taken_over(folder))
        return not_written(*lost);
    QFile file(folder + QLatin1String(SessionsFileName));
    if (file.exists() && !file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 cannot be read: %2")
            .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    SessionsRead read = read_sessions(file.isOpen() ? file.readAll() : QByteArray());
    if (!read.damage.isEmpty())
        return QStringLiteral("%1 is damaged, so nothing was changed in it. Open \"Records\u2026\" to see "
                              "what can be read and to repair it.\n%2")
            .arg(QDir::toNativeSeparators(file.fileName()), read.damage.join(u'\n'));
    change(read.sessions);
    return save_sessions(folder, read.sessions);
}

Session* session_at(QList<Session>& sessions, const Session& like)
{
    const auto found = std::find_if(sessions.begin(), sessions.end(), [&](const Session& s) {
        return s.start == like.start && event_file_of(s) == event_file_of(like);
    });
    return found == sessions.end() ? nullptr : &*found;
}

QString start_event_file(QFile& file, const QString& folder, const QDateTime& start)
{
    if (const std::optional<TakenOver> lost = taken_over(folder))
        return QStringLiteral("another computer took this learner over");
    if (!QDir().mkpath(folder))
        return QStringLiteral("the folder cannot be made");
    // Never one that is there: two sessions of one second, here or on a
    // computer sharing the folder, each get a file of their own.
    const QString name = session_event_file_name(start);
    for (int n = 1; n <= MostEventFilesASecond; ++n) {
        file.setFileName(folder + (n == 1 ? name : name.chopped(4) + QStringLiteral("-%1.csv").arg(n)));
        // Unbuffered: each line reaches the system as it is written.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return file.write(csv_file_start(session_event_columns())) < 0 ? file.errorString() : QString();
        if (!file.exists())
            return file.errorString();
    }
    return file.errorString();
}

RecoveredSessions recover_unfinished_sessions(const QString& folder, int64_t goalMs,
                                              const QDateTime& quietSince)
{
    RecoveredSessions recovered;
    QFile file(folder + QLatin1String(SessionsFileName));
    if (file.exists() && !file.open(QIODevice::ReadOnly))
        return recovered;
    const SessionsRead read = read_sessions(file.isOpen() ? file.readAll() : QByteArray());
    // A damaged file waits for the adult's repair in the records window.
    if (!read.damage.isEmpty())
        return recovered;
    // What the computer it was taken from still writes is left until quiet.
    const QDateTime quiet = quietSince.isValid() || !taken_from_running_holder(folder)
        ? quietSince
        : QDateTime::currentDateTime().addSecs(-LockStaleSeconds);
    QSet<QString> named;
    for (const Session& session : read.sessions)
        named.insert(event_file_of(session));
    QList<Session> found;
    QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("[0-9]*-*-*_*.csv")}, QDir::Files);
    // In the order they were started: "…_154012.csv", then "…_154012-2.csv".
    const auto order = [](const QFileInfo& file) {
        const QString name = file.completeBaseName();
        return std::pair{name.left(17), name.mid(18).toInt()};
    };
    std::sort(files.begin(), files.end(),
              [&](const QFileInfo& a, const QFileInfo& b) { return order(a) < order(b); });
    for (const QFileInfo& info : files) {
        const QDateTime start = start_of_event_file(info.fileName());
        if (!start.isValid() || named.contains(info.fileName())
            || (quiet.isValid() && info.lastModified() > quiet))
            continue;
        QFile events(info.filePath());
        if (!events.open(QIODevice::ReadOnly))
            continue;
        const SessionEventsRead read = read_session_events(events.readAll());
        // Not an event file of ours, or nothing of one.
        if (read.events.isEmpty() || read.events.first().kind != SessionEventKind::SessionStart)
            continue;
        SessionTally tally(goalMs);
        for (const SessionEvent& event : read.events)
            tally.add(event);
        Session session = tally.figures();
        session.start = start;
        session.eventFile = info.fileName();
        session.endedUnexpectedly = read.events.last().kind != SessionEventKind::SessionEnd;
        found << session;
    }
    if (found.isEmpty())
        return recovered;
    recovered.problem = change_sessions(folder, [&found](QList<Session>& sessions) {
        sessions << found;
        std::stable_sort(sessions.begin(), sessions.end(),
                         [](const Session& a, const Session& b) { return a.start < b.start; });
    });
    if (recovered.problem.isEmpty())
        recovered.sessions = found;
    return recovered;
}
