#pragma once
// What the learner's play mode asks of one clip, decided from the presses,
// the switch and the clock alone: how many presses start it, and when it is
// held while it plays. The turn draws and plays what this answers.

#include "state/play_mode.h"

#include <cstdint>

class PlayModeGate {
public:
    explicit PlayModeGate(PlayModeChoice choice);

    // Before the clip, for each response taken: true when the clip starts
    // at this press.
    bool press_starts_clip();
    int presses_made() const { return presses_; }
    int presses_to_start() const;
    // Whether letting go of the switch holds the clip: the switch must then
    // be sampled while it plays.
    bool follows_switch() const { return choice_.mode == PressAndHold; }

    // The clip plays, or plays on, from nowMs for the press just taken.
    void play_from(int64_t nowMs);
    // While it plays: whether it must be held now.
    bool must_hold(bool switchHeld, int64_t nowMs) const;
    // How long it may play before must_hold turns true by time alone; -1
    // when only the switch can make it.
    int64_t ms_until_hold(int64_t nowMs) const;
    // How long it has played since play_from.
    int64_t played_ms(int64_t nowMs) const { return nowMs - playFromMs_; }

private:
    PlayModeChoice choice_;
    int presses_ = 0;
    int64_t playFromMs_ = 0;
};
