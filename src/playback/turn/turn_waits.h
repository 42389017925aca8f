#pragma once
// The waits of a turn, each a loop of yields that returns what ended it: the
// response wait with its blue cross and spoken prompt, and the playback wait's
// sleep. The timers that wake them live here too.

#include "playback/turn/wait.h"

#include <QTimer>

struct GlobVars;
class MonotonicClock;
class PlaybackStage;
class PlayModeGate;
class TurnEvents;
class TurnInput;
class VideoPlayer;

class TurnWaits {
public:
    // timerParent owns the prompt's timer "Timer1".
    TurnWaits(QObject* timerParent, const GlobVars& g, PlaybackStage& stage, TurnInput& input,
              TurnEvents& events, const MonotonicClock& clock);

    // Sampling the switch on a timer, for the devices and timings that need it.
    void start_sampling();
    void stop();
    void stop_prompt();
    bool leaving() const;

    // One pass of the event loop; false when leaving was asked for.
    [[nodiscard]] bool yield();
    // The polling step: the switch sampled around one pass, which sleeps
    // until something happens when `sleep`.
    void poll(bool sleep);

    // A switch already held must be let go first (the cross asks for it),
    // unless holding is what the wait takes; then the cue, and the wait for
    // what the learner or the adult does.
    WaitResult response(WaitPhase phase, WaitTakes takes = WaitTakes::FreshPress);
    // The playback wait's sleep, woken also when the mode's time is up; then
    // whether the play mode holds the clip now.
    WaitResult while_playing(const PlayModeGate& gate, const VideoPlayer& player);
    // Whether the learner's switch is down, a held key's repeat not taken
    // for letting it go.
    bool switch_held_now();

private:
    void prompt();

    const GlobVars& g_;
    PlaybackStage& stage_;
    TurnInput& input_;
    TurnEvents& events_;
    const MonotonicClock& clock_;
    QTimer prompt_;
    QTimer switchPoll_;
    QTimer modeWake_;  // wakes the playback wait when the mode's time is up
};
