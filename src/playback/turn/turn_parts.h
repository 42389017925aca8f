#pragma once
// What every kind of turn is driven through, and how a turn ends. A turn is
// straight-line code with yields; it draws only through the stage, hears the
// learner only through the waits and tells what happened through the events.

struct GlobVars;
class LeftOutClips;
class MonotonicClock;
class PlaybackStage;
class SoundOutput;
class TurnEvents;
class TurnInput;
class TurnWaits;

struct TurnParts {
    GlobVars& g;
    PlaybackStage& stage;
    TurnWaits& waits;
    TurnInput& input;
    TurnEvents& events;
    LeftOutClips& leftOut;
    const MonotonicClock& clock;
    SoundOutput& sound;
};

enum class TurnEnd {
    Next,  // on to the next clip
    Replay,  // the same clip again
    Leave,  // back to the menu
    LeftOut,  // the clip could not be shown; the run goes on without it
};
