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
    LetGo,  // the press taken as a response is let go
    Choice,  // the learner took one of two clips offered; clip is the one taken
};

// Where an ignored press fell: 0 outside a wait (the clip, the hand or the
// spoken name), 1 in the wait before the clip, 2 in the wait after it.
inline constexpr int OutsideWaits = 0;

struct SessionEvent {
    int64_t ms = 0;  // since the session began, on the monotonic clock
    SessionEventKind kind = SessionEventKind::SessionStart;
    QString clip;
    std::optional<int64_t> fromCueMs;  // responses
    // Responses: how long the switch was down when the press counted (the
    // acceptance time); let go: how long the press was held in all.
    std::optional<int64_t> heldMs;
    std::optional<int> phase;  // cues, responses, ignored presses, skips, leaving
    QString detail;  // what a left-out clip lacked
    // A pause or a clip's end: the clip time the press before it played.
    std::optional<int64_t> playedMs;
    // A choice: the clips offered on each side and the side taken;
    // fromCueMs is the time since the offer.
    QString leftClip;
    QString rightClip;
    QString side;  // "left" or "right"
    // Responses, ignored presses, let-go rows and choices: the switch that
    // made them, "1" or "2", or "dwell".
    QString switchName;

    bool operator==(const SessionEvent&) const = default;
};

// An event of this kind with these fields; the others are filled in by whoever needs them.
SessionEvent session_event(SessionEventKind kind, const QString& clip = {},
                           std::optional<int> phase = std::nullopt);

QStringList session_event_columns();
// The columns every version has written; a file with more (a later
// version's, or this one's read by an older copy) is read by its first ones.
inline constexpr int RequiredEventColumns = 8;
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
