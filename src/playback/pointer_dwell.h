#pragma once
// Pointer dwell in a playback run: the window hands in the pointer's motion
// from its own events, and while a response wait is under way a rest on the
// picture, or on one of the cards of a choice (with a margin), for the dwell
// time is the learner's press. One single-shot timer wakes it at the dwell's
// due time, or at the mark's next frame while a dwell fills: a still pointer,
// or one resting outside the target, costs nothing.

#include "playback/turn_observer.h"
#include "switch/dwell_detector.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

class MonotonicClock;
class PlaybackStage;
class TurnInput;

class PointerDwell final : public TurnObserver {
public:
    // window: the playback window, whose coordinates the positions are in.
    PointerDwell(QWidget& window, const PlaybackStage& stage, TurnInput& input, const MonotonicClock& clock,
                 int dwellMs);

    // Where a dwell never counts, in the window: the exit link.
    void set_excluded(const QRect& excluded);
    void pointer_moved(const QPoint& pos);
    void pointer_left();

    void wait_began(WaitPhase phase) override;
    void response_taken(WaitPhase, int, int64_t, int64_t) override { stop(); }
    void response_held_before_cue(WaitPhase, int, int64_t) override { stop(); }
    void skip(WaitPhase) override { stop(); }
    void replay() override { stop(); }
    void leave(WaitPhase) override { stop(); }
    void left() override { stop(); }

private:
    void follow(const QPoint& pos);
    // Takes as target the one pos is on, where there are several.
    void aim_at(const QPoint& pos);
    void wake();
    void stop();
    void update_mark();

    QWidget& window_;
    const PlaybackStage& stage_;
    TurnInput& input_;
    const MonotonicClock& clock_;
    DwellDetector detector_;
    QTimer wake_;
    QWidget* mark_;
    bool active_ = false;  // a response wait is under way
    std::vector<QRect> targets_;  // in the window, with their margins
    int target_ = 0;  // the one a dwell now counts on
};
