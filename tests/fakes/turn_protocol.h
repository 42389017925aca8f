#pragma once
// Checks the rules of a turn on every event a run tells, as they come: a
// response, skip or leave only in a wait of its phase, a clip start only
// after the response before it, no cue while a clip plays (but the held
// clip's), prompts only in a wait, presses only from switch 1, 2 or dwell,
// and exactly one end of the session with nothing after it. A broken rule
// fails the test that ran.

#include "playback/turn_observer.h"

#include <QStringList>
#include <gtest/gtest.h>

class TurnProtocol : public TurnObserver {
public:
    // Before each run; at its end, finish() checks the run left once.
    void reset() { *this = TurnProtocol(); }
    void finish() const { rule(lefts_ == 1, "the run did not tell its end exactly once"); }

    void wait_began(WaitPhase phase) override
    {
        see(QStringLiteral("wait %1").arg(int(phase)));
        rule(!waiting_, "a wait began inside a wait");
        rule(phase == WaitPhase::HeldClip ? paused_ : !clip_, "a cue while a clip plays");
        waiting_ = true;
        phase_ = phase;
    }
    void prompt_played() override { see("prompt"), rule(waiting_, "a prompt outside a wait"); }
    void cross_shown() override { see("cross"), rule(!waiting_, "the cross after the cue"); }
    void response_taken(WaitPhase phase, int switchNumber, int64_t msSinceCue, int64_t) override
    {
        see("press"), end_wait(phase);
        rule(switchNumber >= 1 && switchNumber <= 3, "a press from a switch that is not there");
        rule(msSinceCue >= 0, "a response before its cue");
        responded_ = phase;
    }
    void response_held_before_cue(WaitPhase phase, int switchNumber, int64_t) override
    {
        see("press held"), end_wait(phase);
        rule(switchNumber >= 1 && switchNumber <= 3, "a press from a switch that is not there");
        responded_ = phase;
    }
    void press_ignored(WaitPhase, int switchNumber, int64_t) override
    {
        see("ignored"),
            rule(switchNumber >= 1 && switchNumber <= 3, "a press from a switch that is not there");
    }
    void clip_started(const QString& clip) override
    {
        see("started " + clip);
        rule(!clip_ && responded_ == WaitPhase::BeforeClip, "a clip started without the press before it");
        clip_ = true;
        paused_ = false;
        responded_ = WaitPhase::None;
    }
    void clip_ended(const QString& clip, int64_t playedMs) override
    {
        see("ended " + clip), rule(clip_ && playedMs >= 0, "an end of no clip"), clip_ = false;
    }
    void clip_paused(const QString& clip, int64_t playedMs) override
    {
        see("paused " + clip), rule(clip_ && !waiting_ && playedMs >= 0, "a pause of no clip playing");
        paused_ = true;
    }
    void skip(WaitPhase phase) override { see("skip"), end_wait(phase), end_held_clip(); }
    void replay() override
    {
        see("replay"),
            rule(phase_ == WaitPhase::AfterClip || phase_ == WaitPhase::HeldClip, "a replay before the clip");
        end_wait(phase_), end_held_clip();
    }
    void leave(WaitPhase phase) override { see("leave"), end_wait(phase); }
    void left() override { see("left"), ++lefts_; }
    void clip_left_out(const QString& clip, const QString&, const QString&) override
    {
        see("left out " + clip), clip_ = paused_ = false;
    }

private:
    void see(const QString& event)
    {
        rule(lefts_ == 0, "an event after the end of the session");
        events_ << event;
    }
    void rule(bool kept, const char* broken) const
    {
        if (!kept)
            ADD_FAILURE() << "turn rule broken: " << broken << ", at the end of:\n"
                          << events_.join(u'\n').toStdString();
    }
    void end_wait(WaitPhase phase)
    {
        rule(waiting_ && phase == phase_, "the end of a wait that was not under way");
        waiting_ = false;
    }
    // A held clip skipped or replayed is over without its end.
    void end_held_clip()
    {
        if (paused_)
            clip_ = paused_ = false;
    }

    QStringList events_;
    bool waiting_ = false;
    WaitPhase phase_ = WaitPhase::None;
    WaitPhase responded_ = WaitPhase::None;
    bool clip_ = false;  // started and neither ended nor left out
    bool paused_ = false;  // held by the play mode
    int lefts_ = 0;
};
