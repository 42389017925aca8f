#pragma once
// One turn for one clip: the label wiped in with its spoken name, the wait
// before the clip (as many presses as the play mode asks for), the hand and
// the click, the clip (held and played on as the mode asks), the last still
// and the wait after it. Two ways to show the clip's first frame while the
// learner waits make the two variations of the one sequence:
//   Stills        its first and last frames as pictures over the player;
//   PlayerFrames  the player opens the clip early and holds its first frame.

#include "playback/turn/turn_parts.h"
#include "playback/turn/wait.h"

#include <QString>
#include <optional>

class PlayModeGate;

class ClipTurn {
public:
    enum class FirstFrame { Stills, PlayerFrames };
    ClipTurn(const TurnParts& parts, FirstFrame firstFrame);

    TurnEnd play(const QString& clip);
    // A clip the learner has just taken by a press elsewhere (a choice): the
    // hand at once, then the clip, its last still and the wait after it.
    TurnEnd play_taken(const QString& clip);

private:
    QString file(const QString& suffix) const;
    // Presses until the one that starts the clip, each but the last answered
    // with the hand, the click and a mark of progress.
    WaitResult wait_before_clip(PlayModeGate& gate);
    void respond_with_hand();
    // The clip from the press that plays it to its end; nothing when it ended.
    std::optional<TurnEnd> play_clip(PlayModeGate& gate);
    // The clip held, its picture kept, until a press plays it on; nothing
    // when it plays on.
    std::optional<TurnEnd> hold_until_played_on(PlayModeGate& gate);
    TurnEnd after_clip();
    TurnEnd left_out(const QString& file, const QString& why = {});
    // The clip's stills in the movie area; a still that cannot be read leaves the clip out.
    std::optional<TurnEnd> stack_stills();
    // The player could not show the clip: it is left out, the turn ends early.
    TurnEnd player_failed();
    // The turn ends as after a skip, in the normal layout.
    void end_early();
    static TurnEnd end_of(const WaitResult& result);

    TurnParts p_;
    const bool stills_;
    QString clip_;
};
