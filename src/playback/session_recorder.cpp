#include "playback/session_recorder.h"

#include "media/monotonic_clock.h"
#include "playback/play_mode_gate.h"
#include "playback/input_device.h"
#include "state/csv_text.h"
#include "state/globvars.h"
#include "state/sessions_file.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString switch_name(int switchNumber)
{
    return switchNumber == DwellSwitch ? QStringLiteral("dwell") : QString::number(switchNumber);
}
}  // namespace

SessionRecorder::SessionRecorder(const MonotonicClock& clock, const GlobVars& g, const QString& recordsFolder,
                                 int64_t goalMs, const QDateTime& start)
    : clock_(clock)
    , g_(g)
    , folder_(recordsFolder)
    , start_(start.addMSecs(-start.time().msec()))
    , startMs_(clock.now_ms())
    , options_(session_options(g))
    , pressesNeeded_(PlayModeGate(play_mode(g)).presses_to_start())
    , tally_(goalMs)
{
    if (const QString failed = start_event_file(file_, folder_, start_); !failed.isEmpty())
        fail(failed);
    record(session_event(SessionEventKind::SessionStart));
}

void SessionRecorder::record(SessionEvent event, std::optional<int64_t> atMs)
{
    event.ms = atMs.value_or(clock_.now_ms()) - startMs_;
    tally_.add(event);
    if (file_.isOpen() && file_.write(csv_line(session_event_fields(event)).toUtf8() + "\r\n") < 0)
        fail(file_.errorString());
}

void SessionRecorder::fail(const QString& what)
{
    file_.close();
    if (problem_.isEmpty())
        problem_ =
            QStringLiteral("This session could not be recorded in %1 (%2). The learner's turns went on "
                           "as usual; free some space or choose a folder that may be written.")
                .arg(QDir::toNativeSeparators(folder_), what);
}

QString SessionRecorder::current_clip() const
{
    return g_.CurrentClip >= 1 && g_.CurrentClip <= g_.ClipCount ? g_.ClipList[g_.CurrentClip] : QString();
}

void SessionRecorder::wait_began(WaitPhase phase)
{
    record(session_event(SessionEventKind::Cue, current_clip(), int(phase)));
}

void SessionRecorder::prompt_played()
{
    record(session_event(SessionEventKind::Prompt, current_clip()));
}

void SessionRecorder::cross_shown()
{
    record(session_event(SessionEventKind::CrossShown, current_clip()));
}

void SessionRecorder::response_taken(WaitPhase phase, int switchNumber, int64_t msSinceCue, int64_t heldMs)
{
    SessionEvent event = session_event(SessionEventKind::Response, current_clip(), int(phase));
    event.fromCueMs = msSinceCue;
    event.heldMs = heldMs;
    event.switchName = switch_name(switchNumber);
    // The first press of a count is the response; the count goes on in rows of its own.
    if (phase == WaitPhase::BeforeClip && pressesNeeded_ > 1)
        event.pressesNeeded = pressesNeeded_;
    record(event);
}

void SessionRecorder::count_press_taken(WaitPhase phase, int switchNumber, int64_t msSinceCue, int64_t heldMs,
                                        int press, int needed)
{
    SessionEvent event = session_event(SessionEventKind::CountPress, current_clip(), int(phase));
    event.fromCueMs = msSinceCue;
    event.heldMs = heldMs;
    event.switchName = switch_name(switchNumber);
    event.pressesNeeded = needed;
    if (press == needed)
        event.toLastPressMs = msSinceCue;
    record(event);
}

void SessionRecorder::response_held_before_cue(WaitPhase phase, int switchNumber, int64_t heldMs)
{
    // No time from the cue: the response began before it, and a 0 would
    // pull the median down.
    SessionEvent event = session_event(SessionEventKind::Response, current_clip(), int(phase));
    event.heldMs = heldMs;
    event.detail = QStringLiteral("held from before the cue");
    event.switchName = switch_name(switchNumber);
    record(event);
}

void SessionRecorder::press_ignored(WaitPhase phase, int switchNumber, int64_t atMs)
{
    SessionEvent event = session_event(SessionEventKind::PressIgnored, current_clip(), int(phase));
    event.switchName = switch_name(switchNumber);
    record(event, atMs);
}

void SessionRecorder::press_let_go(int switchNumber, int64_t heldMs)
{
    SessionEvent event = session_event(SessionEventKind::LetGo, current_clip());
    event.heldMs = heldMs;
    event.switchName = switch_name(switchNumber);
    record(event);
}

void SessionRecorder::clip_paused(const QString& clip, int64_t playedMs)
{
    SessionEvent event = session_event(SessionEventKind::ClipPaused, clip);
    event.playedMs = playedMs;
    record(event);
}

void SessionRecorder::clip_started(const QString& clip)
{
    record(session_event(SessionEventKind::ClipStart, clip));
}

void SessionRecorder::clip_ended(const QString& clip, int64_t playedMs)
{
    SessionEvent event = session_event(SessionEventKind::ClipEnd, clip);
    event.playedMs = playedMs;
    record(event);
}

void SessionRecorder::skip(WaitPhase phase)
{
    record(session_event(SessionEventKind::Skip, current_clip(), int(phase)));
}

void SessionRecorder::replay()
{
    record(session_event(SessionEventKind::Replay, current_clip()));
}

void SessionRecorder::leave(WaitPhase phase)
{
    record(session_event(SessionEventKind::Leave, current_clip(), int(phase)));
}

void SessionRecorder::clip_left_out(const QString& clip, const QString& file, const QString& why)
{
    SessionEvent event = session_event(SessionEventKind::ClipLeftOut, clip);
    event.detail = why.isEmpty() ? file : QStringLiteral("%1 (%2)").arg(file, why);
    record(event);
}

void SessionRecorder::choice_made(const QString& left, const QString& right, ChoiceSide side,
                                  int switchNumber, int64_t msSinceOffer)
{
    const bool leftTaken = side == ChoiceSide::Left;
    SessionEvent event = session_event(SessionEventKind::Choice, leftTaken ? left : right);
    event.leftClip = left;
    event.rightClip = right;
    event.side = leftTaken ? QStringLiteral("left") : QStringLiteral("right");
    event.switchName = switch_name(switchNumber);
    event.fromCueMs = msSinceOffer;
    record(event);
}

void SessionRecorder::left()
{
    record(session_event(SessionEventKind::SessionEnd));
    file_.close();
    if (!problem_.isEmpty())
        return;
    const QString failed = append_session(folder_, session());
    if (!failed.isEmpty())
        problem_ = failed;
}

Session SessionRecorder::session() const
{
    Session session = tally_.figures();
    session.start = start_;
    session.options = options_;
    session.eventFile = QFileInfo(file_.fileName()).fileName();
    return session;
}
