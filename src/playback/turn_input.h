#pragma once
// The input of a playback run as logic without a window. The window hands
// every key, button, focus change and exit-link double click to one of the
// methods below, and the run samples the switch around each of its yields;
// only this class writes the flags, which the run reads at its check points.

#include "playback/input_device.h"
#include "playback/key_repeat.h"
#include "playback/turn/wait.h"
#include "switch/switch_timing.h"

#include <array>

#include <QElapsedTimer>
#include <cstdint>
#include <optional>

struct GlobVars;
class MonotonicClock;
class PortIo;
class QKeyEvent;
class TurnObserver;

struct TurnFlags {
    int16_t SwitchPressed = 0;
    int16_t KeyReleased = 1;
    int16_t MouseReleased = 1;
    int16_t SkipRequested = 0;
    int16_t ReplayRequested = 0;
    int16_t LeaveRequested = 0;
    WaitPhase phase = WaitPhase::None;
};

class TurnInput {
public:
    // Takes the device and the switch timing from g as they are when playback
    // starts; repeats: how the window system repeats a held key.
    TurnInput(const GlobVars& g, const MonotonicClock& clock, PortIo& ports, TurnObserver& events,
              KeyRepeatFilter repeats = KeyRepeatFilter());

    const TurnFlags& flags() const { return flags_; }

    // The run's own steps.
    void start_run();
    void forget_leave();  // what was asked during calibration does not count
    void request_leave();  // the window system's close, or no clip left that can be shown
    void set_wait_phase(WaitPhase phase);
    // After the release-first step of a wait: earlier responses are gone and
    // a press now counts, until end_response_wait.
    void begin_response_wait();
    void end_response_wait();
    // Around every yield of the polling step: the flag is cleared before it,
    // the adapter sampled and the switch timing applied after it.
    void before_yield();
    void after_yield();
    // Where holding is the response, at the start of a wait's response step:
    // the switch held now (switch 1 if both are) is taken as a press from
    // when it went down, after the acceptance time where one is set.
    void take_held_press();
    bool response_held_from_before_cue() const { return takenFromBefore_; }
    // Whether either of the learner's switches is down now (an adapter: at
    // the last sample), whether or not its press counted.
    bool switch_held() const;
    // How long until a key let go is known to be let go and not the first
    // half of a repeat; 0 when no let-go waits to be confirmed.
    int ms_until_let_go_confirmed() const;
    // How long the switch had been held when its press became the response,
    // and which switch made it.
    int64_t response_held_ms() const { return takenHeldMs_; }
    int response_switch() const { return takenSwitch_; }
    const InputDevice& device() const { return device_; }

    // Window events. key_press is true when the key asked for something, so
    // the spoken prompt stops.
    bool key_press(const QKeyEvent& key);
    void key_release(const QKeyEvent& key);
    // A press and a release both on the form itself is also the form's click.
    enum class MouseTarget { Form, OverForm, Player };
    // timestamp: the window system's, 0 when unknown; switchNumber: the left
    // button is switch 1, the right switch 2.
    void mouse_down(MouseTarget target, quint64 timestamp = 0, int switchNumber = FirstSwitch);
    void mouse_up(MouseTarget target, quint64 timestamp = 0);
    void player_focus();
    void exit_link_double_click();
    // The pointer rested on the target for the dwell time: a press that is
    // let go at once.
    // target: which of the stage's dwell targets it rested on (a choice's side).
    void dwell_completed(int target = 0);
    // The target of the last dwell completed.
    int dwell_target() const { return dwellTarget_; }

private:
    bool key_down(int virtualKey);
    void test_for_click();
    // atMs: when the press was made, on the run's clock.
    void press_began(int switchNumber, int64_t atMs);
    void take_press(int switchNumber);
    void end_press(int switchNumber);  // told as ignored or as let go
    bool held(int switchNumber) const;
    // An input event's time on the run's clock.
    int64_t event_ms(quint64 timestamp) const;

    const GlobVars& g_;
    const InputDevice& device_;
    const MonotonicClock& clock_;
    PortIo& ports_;
    TurnObserver& events_;
    KeyRepeatFilter repeats_;
    SwitchPairTiming timing_;
    bool timed_;
    bool holdCounts_;
    TurnFlags flags_;
    SwitchLevels timedDown_;  // the switches as the timing last saw them
    SwitchLevels adapterDown_;  // the adapter's levels at the last sample
    int keySwitch_ = 0;  // the switch of the key last pressed
    int mouseSwitch_ = 0;  // the switch of the button last pressed
    int eventSwitch_ = FirstSwitch;  // the switch of the key, button or dwell that set SwitchPressed
    bool formPressed_ = false;  // a button went down on the form itself
    bool awaiting_ = false;

    // The learner's presses under way in a response step, one for each
    // switch and one for dwell, from its start to the sample after its end.
    struct Press {
        int64_t beganMs;
        WaitPhase phase;
        bool taken = false;
        bool fromBeforeCue = false;
    };
    std::array<std::optional<Press>, DwellSwitch> presses_;
    int64_t takenHeldMs_ = 0;
    int takenSwitch_ = 0;
    int dwellTarget_ = 0;
    bool takenFromBefore_ = false;
    // When each switch (and dwell) last went down, and each switch was last
    // let go.
    std::array<int64_t, DwellSwitch> lastDownMs_{};
    std::array<int64_t, 2> letGoMs_{};
    int64_t keyDownMs_ = 0;  // when the key being handled went down
    QElapsedTimer keyLetGo_;  // since the learner's key was last let go
    bool timingMissedLetGo_ = false;  // the timing was not fed while a let go was unsure
};
