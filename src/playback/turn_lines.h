#pragma once
// The events of a run as one line of text each, for a record read by a
// developer or by a test driving the program from outside: "wait 1",
// "prompt", "cross", "press", "press 2 of 3", "ignored 0", "started <clip>", "ended <clip>", "paused <clip>",
// "skip", "replay", "leave", "left <ms>", "left out <clip>: <file>",
// "chose <left|right> <clip> of <left clip>|<right clip> by switch <n>". The time
// of "left" is on the monotonic clock, which another process reads too.

#include "playback/turn_observer.h"

#include <QByteArray>
#include <functional>

class TurnLines : public TurnObserver {
public:
    using Write = std::function<void(const QByteArray& line)>;
    explicit TurnLines(Write write)
        : write_(std::move(write))
    {
    }

    void wait_began(WaitPhase phase) override;
    void prompt_played() override;
    void cross_shown() override;
    void response_taken(WaitPhase phase, int switchNumber, int64_t msSinceCue, int64_t heldMs) override;
    void count_wait_began(WaitPhase phase) override;
    void count_press_taken(WaitPhase phase, int switchNumber, int64_t msSinceCue, int64_t heldMs, int press,
                           int needed) override;
    void response_held_before_cue(WaitPhase phase, int switchNumber, int64_t heldMs) override;
    void press_ignored(WaitPhase phase, int switchNumber, int64_t atMs) override;
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

private:
    Write write_;
};

// Each line appended to the file at path as it comes, so the file is whole
// at every moment; a file that cannot be written loses the line silently.
TurnLines::Write append_to_file(const QString& path);
