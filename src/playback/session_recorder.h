#pragma once
// Keeps the record of one "Play Movies" session: every event appended to the
// session's own event file as it happens, and at the end one line in
// sessions.csv. A folder that cannot be written never reaches the learner:
// the recorder stops writing and keeps a message for the adult. An event's
// phase column holds the WaitPhase of the wait it came in: 1 before the clip,
// 2 after it, 3 while a clip the play mode held waits to be played on, 0
// outside a wait.

#include "playback/turn_observer.h"
#include "state/session.h"

#include <QDateTime>
#include <QFile>
#include <QString>

struct GlobVars;
class MonotonicClock;

class SessionRecorder final : public TurnObserver {
public:
    // Starts the event file in recordsFolder (made when missing); g holds the
    // options of the session and its clip list.
    SessionRecorder(const MonotonicClock& clock, const GlobVars& g, const QString& recordsFolder,
                    int64_t goalMs, const QDateTime& start = QDateTime::currentDateTime());

    void wait_began(WaitPhase phase) override;
    void prompt_played() override;
    void cross_shown() override;
    void response_taken(WaitPhase phase, int switchNumber, int64_t msSinceCue, int64_t heldMs) override;
    void count_press_taken(WaitPhase phase, int switchNumber, int64_t msSinceCue, int64_t heldMs, int press,
                           int needed) override;
    void response_held_before_cue(WaitPhase phase, int switchNumber, int64_t heldMs) override;
    void press_ignored(WaitPhase phase, int switchNumber, int64_t atMs) override;
    void press_let_go(int switchNumber, int64_t heldMs) override;
    void clip_started(const QString& clip) override;
    void clip_ended(const QString& clip, int64_t playedMs) override;
    void clip_paused(const QString& clip, int64_t playedMs) override;
    void skip(WaitPhase phase) override;
    void replay() override;
    void leave(WaitPhase phase) override;
    void left() override;
    void clip_left_out(const QString& clip, const QString& file, const QString& why) override;
    void choice_made(const QString& left, const QString& right, ChoiceSide side, int switchNumber,
                     int64_t msSinceOffer) override;

    // The session's figures; whole once the run has left.
    Session session() const;
    // "" or a plain message for the adult: what could not be written.
    const QString& problem() const { return problem_; }

private:
    // Stamped now, or at atMs on the run's clock for what happened earlier.
    void record(SessionEvent event, std::optional<int64_t> atMs = std::nullopt);
    void fail(const QString& what);
    QString current_clip() const;

    const MonotonicClock& clock_;
    const GlobVars& g_;
    QString folder_;
    QDateTime start_;
    int64_t startMs_;
    SessionOptions options_;
    int pressesNeeded_;  // to start a clip: more than 1 in several presses
    SessionTally tally_;
    QFile file_;
    QString problem_;
};
