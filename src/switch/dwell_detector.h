#pragma once
// Pointer dwell as a switch, for head pointers and eye trackers: a press is
// the pointer resting on the learner's target for the dwell time. Logic only:
// the window hands in the pointer positions of its own motion events and the
// clock's time, and sets one timer for due_ms(), so a still pointer costs
// nothing. Resting means staying within the wobble distance of where the
// dwell began, so the jitter of a tracker does not restart it. As with a
// switch that must be let go, a fresh dwell needs the pointer to have left
// the target, or moved beyond the wobble, since the last one.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>

// About 40 pixels on a 1024x768 screen, in proportion on others.
double dwell_wobble_distance(const QSize& screen);

class DwellDetector {
public:
    DwellDetector(int dwellMs, double wobble);

    // The target with its margin, in the coordinates of the positions given;
    // an empty target takes no dwell. A dwell under way that the new target
    // no longer holds stops.
    void set_target(const QRect& target);
    // Where a dwell never counts (the exit link), even inside the target.
    void set_excluded(const QRect& excluded);

    // The pointer is at pos at nowMs. True when this completes a dwell.
    bool pointer_at(const QPoint& pos, int64_t nowMs);
    // The pointer left the window: as if it left the target.
    void pointer_left();
    // The pointer is at pos while no dwell may be taken (a clip plays):
    // leaving the target, or moving beyond the wobble, still makes the next
    // dwell fresh.
    void pointer_passing(const QPoint& pos);
    // Time has passed with the pointer still. True when a dwell completes.
    bool tick(int64_t nowMs);
    // Stops a dwell under way; the next needs the pointer to leave or move
    // first, as after a completed dwell.
    void hold_off();

    bool dwelling() const { return started_.has_value(); }
    // How far the dwell under way has come, 0..1; 0 when none.
    double progress(int64_t nowMs) const;
    // When the dwell under way completes if the pointer stays; nullopt when none.
    std::optional<int64_t> due_ms() const;
    // The pointer's last position, where the progress mark is drawn.
    QPoint pointer() const { return pointer_; }
    bool pointer_known() const { return pointerKnown_; }

private:
    bool counts_at(const QPoint& pos) const;
    bool beyond_wobble(const QPoint& a, const QPoint& b) const;
    bool complete(int64_t nowMs);

    int dwellMs_;
    double wobble_;
    QRect target_;
    QRect excluded_;
    QPoint pointer_;
    bool pointerKnown_ = false;
    std::optional<int64_t> started_;
    QPoint anchor_;  // where the dwell under way began
    bool fresh_ = true;  // may a dwell begin now
    QPoint spent_;  // where the last dwell completed
};
