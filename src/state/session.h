#pragma once
// One session of "Play Movies" as a line of records/sessions.csv: the options
// it ran with and the figures of the learner's responses.

#include "state/session_event.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

struct GlobVars;

// How much help the learner had, as the adult notes it after a session.
enum class PromptLevel { NotNoted, Independent, Gestural, Verbal, Physical };
inline constexpr int PromptLevelCount = 5;
QString prompt_level_text(PromptLevel level);  // "" for NotNoted
std::optional<PromptLevel> prompt_level_from(const QString& text);

// The options a session ran with, in the words the records use.
struct SessionOptions {
    QString device;
    QString order;
    QString screenSize;
    int promptSeconds = 0;  // 0: no spoken prompt
    QString switchTiming;
    QString playMode;
    int modeNumber = 0;  // seconds of timed play, presses of several presses, else 0

    bool operator==(const SessionOptions&) const = default;
};
SessionOptions session_options(const GlobVars& g);

struct Session {
    QDateTime start;  // local time, whole seconds
    int64_t durationMs = 0;
    SessionOptions options;
    int cues = 0;
    int responses = 0;
    int withinGoal = 0;
    std::optional<int64_t> medianMs;  // none without a response
    std::optional<int64_t> fastestMs;
    std::optional<int64_t> slowestMs;
    int afterPrompt = 0;  // responses that came after at least one prompt
    int ignoredOutsideWaits = 0;  // presses outside the waits: during the clip, the hand and the spoken name
    int clips = 0;
    int skips = 0;
    int replays = 0;
    int leftOut = 0;
    PromptLevel promptLevel = PromptLevel::NotNoted;
    QString note;
    // The event file's name in the records folder; empty in lines written
    // before it was kept, whose file is named by the start.
    QString eventFile;
    // The program stopped during the session: its line was made later from its events.
    bool endedUnexpectedly = false;
    // Choosing one of two: the choices made and on which side.
    int choices = 0;
    int leftChoices = 0;
    int rightChoices = 0;
    // Columns a later version wrote after ours, kept as they were.
    QStringList laterColumns;

    bool operator==(const Session&) const = default;
};

// Adds up a session's events as they come.
class SessionTally {
public:
    explicit SessionTally(int64_t goalMs)
        : goalMs_(goalMs)
    {
    }
    void add(const SessionEvent& event);
    // The figures so far; start and options are the caller's.
    Session figures() const;

private:
    int64_t goalMs_;
    bool promptedSinceCue_ = false;
    std::optional<QString> lastLeftOut_;
    std::vector<int64_t> responseMs_;
    Session figures_;
};

// The middle value (the mean of the two middle ones for an even count); none of nothing.
std::optional<int64_t> median_ms(std::vector<int64_t> values);

// A time in seconds as the adult reads it: "2.3 s".
QString seconds_for_adult(int64_t ms);

// The session's figures in one line for the adult back at the menu:
// responses, median time from the cue, presses during clips and spoken names.
QString session_summary_text(const Session& session);

// The file name of a session's event file: YYYY-MM-DD_HHMMSS.csv.
QString session_event_file_name(const QDateTime& start);
// The name of this session's event file.
QString event_file_of(const Session& session);
// The start an event file's name gives; invalid for any other name.
QDateTime start_of_event_file(const QString& name);
