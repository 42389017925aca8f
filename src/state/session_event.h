#pragma once
// One line of a session's event file: what happened, when, to which clip.
// The file is comma-separated UTF-8 with a byte-order mark and a header row,
// so a spreadsheet opens it as it is.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

enum class SessionEventKind {
    SessionStart,
    Cue,  // the still and the label are on screen and a press now counts
    Prompt,
    CrossShown,
    Response,
    PressIgnored,
    ClipStart,
    ClipEnd,
    Skip,
    Replay,
    ClipLeftOut,
    Leave,
    SessionEnd,
    ClipPaused,  // letting go in hold mode, or a timed press's time is up
};

// Where an ignored press fell: 0 outside a wait (the clip or the spoken
// name), 1 in the wait before the clip, 2 in the wait after it.
inline constexpr int OutsideWaits = 0;

struct SessionEvent {
    int64_t ms = 0;  // since the session began, on the monotonic clock
    SessionEventKind kind = SessionEventKind::SessionStart;
    QString clip;
    std::optional<int64_t> fromCueMs;  // responses
    std::optional<int64_t> heldMs;  // responses
    std::optional<int> phase;  // cues, responses, ignored presses, skips, leaving
    QString detail;  // what a left-out clip lacked
    std::optional<int64_t> playedMs;  // a pause: the clip time the press before it played
    QString switchName;  // responses and ignored presses: "1", "2" or "dwell"

    bool operator==(const SessionEvent&) const = default;
};

// An event of this kind with these fields; the others are filled in by whoever needs them.
SessionEvent session_event(SessionEventKind kind, const QString& clip = {},
                           std::optional<int> phase = std::nullopt);

QStringList session_event_columns();
QStringList session_event_fields(const SessionEvent& event);
// nullopt when the fields are no event this program writes.
std::optional<SessionEvent> session_event_from(const QStringList& fields);

// The text of a file's first bytes: the byte-order mark and the header row.
QByteArray csv_file_start(const QStringList& columns);

// Reads an event file's bytes: the events that could be read, and "" or a
// plain sentence naming the damage.
struct SessionEventsRead {
    QList<SessionEvent> events;
    QString damage;
};
SessionEventsRead read_session_events(const QByteArray& bytes);
