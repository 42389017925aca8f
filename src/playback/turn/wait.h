#pragma once
// The waits of a turn: which one is under way, and what ended it.

#include <cstdint>

// Observers and records receive these numbers: a record's phase column holds
// 1, 2 or 3, and "wait N" in a run's lines.
enum class WaitPhase : int16_t {
    None = 0,  // no wait under way: a press now is ignored
    BeforeClip = 1,  // the first still and the label: a press plays the clip
    AfterClip = 2,  // the last still: a press goes on to the next clip
    HeldClip = 3,  // a clip the play mode held waits for the press that plays it on
};

// What a wait takes as the learner's response.
enum class WaitTakes {
    FreshPress,  // a switch held as the wait begins must be let go first
    HeldSwitch,  // holding is the response: a switch already held counts
};

struct WaitResult {
    enum class Kind {
        Response,  // the learner's press
        Skip,  // a or 0
        Replay,  // r or 1, after the clip
        Leave,  // Esc, the exit link or the window closed
        Playing,  // the clip plays on
        HoldEnd,  // the play mode holds the clip now
    };
    Kind kind;
    int switchNumber = 0;  // which switch made the response
    int64_t atMs = 0;  // when the response was taken, on the run's clock
};
