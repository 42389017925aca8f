#include "state/session_event.h"

#include "state/csv_text.h"
#include "state/text_decoding.h"

#include <algorithm>
#include <array>

namespace {

constexpr int SwitchColumn = 11;

constexpr std::array EventNames{"session start", "cue",           "prompt",        "cross shown",
                                "response",      "press ignored", "clip start",    "clip end",
                                "skip",          "replay",        "clip left out", "leave",
                                "session end",   "clip paused",   "let go",        "choice"};

QString phase_text(std::optional<int> phase)
{
    if (!phase)
        return {};
    switch (*phase) {
    case 1: return QStringLiteral("wait before clip");
    case 2: return QStringLiteral("wait after clip");
    default: return QStringLiteral("clip or spoken name");
    }
}

std::optional<int> phase_from(const QString& text)
{
    for (int phase = 0; phase <= 2; ++phase)
        if (text == phase_text(phase))
            return phase;
    return std::nullopt;
}

QString optional_number(std::optional<int64_t> value)
{
    return value ? QString::number(*value) : QString();
}

}  // namespace

SessionEvent session_event(SessionEventKind kind, const QString& clip, std::optional<int> phase)
{
    SessionEvent event;
    event.kind = kind;
    event.clip = clip;
    event.phase = phase;
    return event;
}

QStringList session_event_columns()
{
    return {QStringLiteral("time (ms)"), QStringLiteral("event"), QStringLiteral("clip"),
            QStringLiteral("from cue (ms)"), QStringLiteral("held (ms)"), QStringLiteral("phase"),
            QStringLiteral("detail"), QStringLiteral("played (ms)"),
            // Choosing one of two
            QStringLiteral("left clip"), QStringLiteral("right clip"), QStringLiteral("side"),
            // Every press and choice
            QStringLiteral("switch")};
}

QStringList session_event_fields(const SessionEvent& event)
{
    return {QString::number(event.ms),
            QString::fromLatin1(EventNames[size_t(event.kind)]),
            event.clip,
            optional_number(event.fromCueMs),
            optional_number(event.heldMs),
            phase_text(event.phase),
            event.detail,
            optional_number(event.playedMs),
            event.leftClip,
            event.rightClip,
            event.side,
            event.switchName};
}

std::optional<SessionEvent> session_event_from(const QStringList& fields)
{
    if (fields.size() < RequiredEventColumns)
        return std::nullopt;
    SessionEvent event;
    bool ok = false;
    event.ms = fields[0].toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    const auto name = std::find(EventNames.begin(), EventNames.end(), fields[1]);
    if (name == EventNames.end())
        return std::nullopt;
    event.kind = SessionEventKind(name - EventNames.begin());
    event.clip = fields[2];
    for (auto [text, value] : {std::pair{fields[3], &event.fromCueMs}, std::pair{fields[4], &event.heldMs},
                               std::pair{fields[7], &event.playedMs}}) {
        if (text.isEmpty())
            continue;
        *value = text.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (!fields[5].isEmpty() && !(event.phase = phase_from(fields[5])))
        return std::nullopt;
    event.detail = fields[6];
    event.leftClip = fields.value(8);
    event.rightClip = fields.value(9);
    event.side = fields.value(10);
    event.switchName = fields.value(11);
    if (event.kind == SessionEventKind::Choice && event.side != QLatin1String("left")
        && event.side != QLatin1String("right"))
        return std::nullopt;
    return event;
}

QByteArray csv_file_start(const QStringList& columns)
{
    return "\xEF\xBB\xBF" + csv_line(columns).toUtf8() + "\r\n";
}

SessionEventsRead read_session_events(const QByteArray& bytes)
{
    SessionEventsRead read;
    const std::optional<QString> text = decode_text(bytes);
    if (!text)
        return {{}, QStringLiteral("The event file is not text this program can read.")};
    const CsvText csv = parse_csv(*text);
    for (qsizetype row = 1; row < csv.rows.size(); ++row) {
        const std::optional<SessionEvent> event = session_event_from(csv.rows[row]);
        if (row == csv.rows.size() - 1 && (csv.unfinishedLastRow || csv.openQuote))
            read.damage = QStringLiteral("The event file is cut short in line %1.").arg(row + 1);
        else if (event)
            read.events << *event;
        else if (read.damage.isEmpty())
            read.damage = QStringLiteral("Line %1 of the event file cannot be read.").arg(row + 1);
    }
    const QStringList ours = session_event_columns();
    const auto header_is_ours = [&ours](QStringList row) {
        // The switch column was first written as "chosen by", for choices only.
        if (row.size() > SwitchColumn && row[SwitchColumn] == QLatin1String("chosen by"))
            row[SwitchColumn] = ours[SwitchColumn];
        const qsizetype common = std::min(row.size(), ours.size());
        return common >= RequiredEventColumns && row.mid(0, common) == ours.mid(0, common);
    };
    if (read.damage.isEmpty() && (csv.rows.isEmpty() || !header_is_ours(csv.rows[0])))
        read.damage = QStringLiteral("The event file's header row was changed.");
    if (read.damage.isEmpty()
        && (read.events.isEmpty() || read.events.last().kind != SessionEventKind::SessionEnd))
        read.damage = QStringLiteral("The event file stops before the session's end: the program was stopped "
                                     "during the session.");
    return read;
}
