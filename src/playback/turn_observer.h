#pragma once
// What a playback run tells at its check points, for whoever keeps a record
// of the learner's turns. Every call comes on the user-interface thread, in
// the order things happened; an observer must not block the run.
//
// phase is the wait under way (see WaitPhase): BeforeClip (1) from the cue to
// the press that plays the clip, AfterClip (2) on the last still, HeldClip (3)
// while a clip the play mode held waits to be played on, None (0) elsewhere.
// switchNumber is the switch that made a press: 1, 2 or DwellSwitch.

#include "playback/turn/wait.h"

#include <QString>
#include <cstdint>

class TurnObserver {
public:
    virtual ~TurnObserver() = default;

    // The cue: the still and the label are on screen and a press now counts.
    virtual void wait_began(WaitPhase /*phase*/) { }
    virtual void prompt_played() { }
    // A switch held as the wait began: the blue cross asks to let go first.
    virtual void cross_shown() { }
    virtual void response_taken(WaitPhase /*phase*/, int /*switchNumber*/, int64_t /*msSinceCue*/,
                                int64_t /*heldMs*/)
    {
    }
    // Where holding is the response: the switch was already held, heldMs in
    // all, when the cue came. No time from the cue is told, as there is none.
    virtual void response_held_before_cue(WaitPhase /*phase*/, int /*switchNumber*/, int64_t /*heldMs*/) { }
    // A press of the learner's switch that did not become a response, made
    // at atMs on the run's clock; phase None when it began outside a wait.
    virtual void press_ignored(WaitPhase /*phase*/, int /*switchNumber*/, int64_t /*atMs*/) { }
    // The press that was taken as a response is let go after heldMs.
    virtual void press_let_go(int /*switchNumber*/, int64_t /*heldMs*/) { }
    // The clip's first moving frame is on its way to the screen.
    virtual void clip_started(const QString& /*clip*/) { }
    // The clip played to its end, playedMs since the press that played it (on).
    virtual void clip_ended(const QString& /*clip*/, int64_t /*playedMs*/) { }
    // The play mode held the clip, its picture kept, after it had played
    // playedMs for the press before; a press plays it on.
    virtual void clip_paused(const QString& /*clip*/, int64_t /*playedMs*/) { }
    virtual void skip(WaitPhase /*phase*/) { }
    virtual void replay() { }
    // Leaving was asked for during a wait.
    virtual void leave(WaitPhase /*phase*/) { }
    // The run is over; the menu comes next.
    virtual void left() { }
    // The clip cannot be shown: this one of its files is missing or unreadable
    // (why empty), or the player could not play it (why says what it found).
    virtual void clip_left_out(const QString& /*clip*/, const QString& /*file*/, const QString& /*why*/) { }
};
