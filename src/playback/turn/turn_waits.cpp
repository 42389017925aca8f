#include "playback/turn/turn_waits.h"

#include "media/monotonic_clock.h"
#include "media/video_player.h"
#include "playback/play_mode_gate.h"
#include "playback/playback_stage.h"
#include "playback/turn_events.h"
#include "playback/turn_input.h"
#include "state/globvars.h"
#include "switch/switch_adapter.h"

#include <QCoreApplication>

namespace {
// How often the switch is sampled while the run waits (an adapter, or a press
// that must be held for a time): often enough that a press is seen within
// 20 ms, rare enough to cost about 1 % of a core.
constexpr int SwitchPollMs = 10;
}  // namespace

TurnWaits::TurnWaits(QObject* timerParent, const GlobVars& g, PlaybackStage& stage, TurnInput& input,
                     TurnEvents& events, const MonotonicClock& clock)
    : g_(g)
    , stage_(stage)
    , input_(input)
    , events_(events)
    , clock_(clock)
    , prompt_(timerParent)
{
    prompt_.setObjectName(QStringLiteral("Timer1"));
    prompt_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&prompt_, &QTimer::timeout, [this] { prompt(); });
    // Its only work is to wake a sleeping wait, which then reads the adapter.
    switchPoll_.setTimerType(Qt::PreciseTimer);
    switchPoll_.setInterval(SwitchPollMs);
    modeWake_.setSingleShot(true);
    modeWake_.setTimerType(Qt::PreciseTimer);
}

void TurnWaits::start_sampling()
{
    if (needs_polling(g_))
        switchPoll_.start();
}

void TurnWaits::stop()
{
    prompt_.stop();
    switchPoll_.stop();
    modeWake_.stop();
}

void TurnWaits::stop_prompt()
{
    prompt_.stop();
}

bool TurnWaits::leaving() const
{
    return input_.flags().LeaveRequested == 1;
}

bool TurnWaits::yield()
{
    QCoreApplication::processEvents();
    return !leaving();
}

void TurnWaits::poll(bool sleep)
{
    // Sleeping here, never before the clear, keeps the press that wakes the wait.
    input_.before_yield();
    QCoreApplication::processEvents(sleep ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
    input_.after_yield();
}

WaitResult TurnWaits::response(WaitPhase phase, WaitTakes takes)
{
    input_.set_wait_phase(phase);
    const TurnFlags& flags = input_.flags();
    bool marked = false;
    poll(false);
    const bool heldBefore = takes == WaitTakes::HeldSwitch && switch_held_now();
    // A switch already held must be let go first. Keys and mouse buttons read
    // as held only right after their event, so only a sampled switch's wait
    // sleeps (the sampling timer wakes it).
    while (flags.SwitchPressed == 1 && !heldBefore) {
        if (!std::exchange(marked, true)) {
            stage_.show_cross();
            events_.cross_shown();
        }
        poll(needs_polling(g_));
        if (leaving()) {
            prompt_.stop();
            return {WaitResult::Kind::Leave};  // the cross stays: the window is about to go
        }
    }
    if (marked)
        stage_.hide_cross();

    input_.begin_response_wait();
    if (heldBefore)
        input_.take_held_press();
    if (g_.PromptInterval > 0)
        prompt_.start(int(g_.PromptInterval) * 1000);  // in int: 15 s is more than 16 bits of ms
    const int64_t cueMs = clock_.now_ms();
    events_.wait_began(phase);
    while (flags.SwitchPressed == 0 && flags.SkipRequested == 0 && flags.ReplayRequested == 0) {
        poll(true);
        if (leaving())
            break;
    }
    input_.end_response_wait();
    prompt_.stop();
    const int64_t nowMs = clock_.now_ms();
    if (flags.SwitchPressed && input_.response_held_from_before_cue()) {
        events_.response_held_before_cue(phase, input_.response_switch(), input_.response_held_ms());
        return {WaitResult::Kind::Response, input_.response_switch(), nowMs};
    }
    if (flags.SwitchPressed) {
        events_.response_taken(phase, input_.response_switch(), nowMs - cueMs, input_.response_held_ms());
        return {WaitResult::Kind::Response, input_.response_switch(), nowMs};
    }
    if (flags.SkipRequested) {
        events_.skip(phase);
        return {WaitResult::Kind::Skip};
    }
    if (flags.ReplayRequested) {
        events_.replay();
        return {WaitResult::Kind::Replay};
    }
    events_.leave(phase);
    return {WaitResult::Kind::Leave};
}

WaitResult TurnWaits::while_playing(const PlayModeGate& gate, const VideoPlayer& player)
{
    if (const int64_t left = gate.ms_until_hold(clock_.now_ms()); left > 0)
        modeWake_.start(int(left));
    // Only a sampled switch needs the polling step to be seen let go.
    if (gate.follows_switch())
        poll(true);
    else
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const bool hold =
        player.play_state() == VideoPlayer::Playing && gate.must_hold(switch_held_now(), clock_.now_ms());
    return {hold ? WaitResult::Kind::HoldEnd : WaitResult::Kind::Playing};
}

bool TurnWaits::switch_held_now()
{
    // A held key repeats as a release and a press sent together, which may
    // reach the program in two reads: the event loop runs on until the press
    // has had the time to come.
    for (int ms; (ms = input_.ms_until_let_go_confirmed()) > 0;) {
        modeWake_.start(ms);
        poll(true);
    }
    return input_.switch_held();
}

void TurnWaits::prompt()
{
    // A key or button held down: not now, the next interval tries again.
    if (input_.flags().KeyReleased == 0 || input_.flags().MouseReleased == 0)
        return;
    stage_.press_hand(5, g_.DataFolder + QStringLiteral("aobj_prs"));
    events_.prompt_played();
}
