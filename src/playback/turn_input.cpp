#include "playback/turn_input.h"

#include "media/monotonic_clock.h"
#include "playback/turn_observer.h"
#include "playback/virtual_key.h"
#include "state/globvars.h"
#include "switch/switch_adapter.h"

#include <QKeyEvent>
#include <algorithm>

namespace {
// Longer than the gap between the two halves of a key's repeat on a busy
// computer, shorter than a frame.
constexpr int RepeatPairMs = 15;
// Input waits in the queue while the label is wiped in, about half a second;
// a stamp older than this is no time on our clock.
constexpr int64_t LongestEventWaitMs = 10000;
}  // namespace

TurnInput::TurnInput(const GlobVars& g, const MonotonicClock& clock, PortIo& ports, TurnObserver& events,
                     KeyRepeatFilter repeats)
    : g_(g)
    , device_(input_device(g))
    , clock_(clock)
    , ports_(ports)
    , events_(events)
    , repeats_(std::move(repeats))
    , timing_(clock, g.AcceptanceTime, g.PostAcceptanceDelay)
    , timed_(!device_.dwells && (g.AcceptanceTime > 0 || g.PostAcceptanceDelay > 0))
    , holdCounts_(g.AcceptanceTime > 0)
{
}

void TurnInput::start_run()
{
    flags_.KeyReleased = 1;
    flags_.MouseReleased = 1;
    // Nothing from an earlier run may act in this one: a replay key pressed
    // just before leaving would otherwise replay a clip now.
    flags_.SwitchPressed = 0;
    flags_.SkipRequested = 0;
    flags_.ReplayRequested = 0;
}

void TurnInput::forget_leave()
{
    flags_.LeaveRequested = 0;
}

void TurnInput::request_leave()
{
    flags_.LeaveRequested = 1;
}

void TurnInput::set_wait_phase(WaitPhase phase)
{
    flags_.phase = phase;
}

void TurnInput::begin_response_wait()
{
    takenFromBefore_ = false;
    flags_.SwitchPressed = 0;
    flags_.SkipRequested = 0;
    flags_.ReplayRequested = 0;
    awaiting_ = true;
}

void TurnInput::end_response_wait()
{
    awaiting_ = false;
}

void TurnInput::before_yield()
{
    flags_.SwitchPressed = 0;
}

void TurnInput::after_yield()
{
    // The switch whose press counts now, 0 for none.
    int pressed = flags_.SwitchPressed == 1 ? eventSwitch_ : 0;
    SwitchLevels down;
    if (device_.sampled) {
        const SwitchLevels level = poll_switches(ports_, g_.InputDevice);
        const int64_t nowMs = clock_.now_ms();
        for (const int s : {FirstSwitch, SecondSwitch}) {
            if (level.down(s) && !adapterDown_.down(s))
                press_began(s, nowMs);
            if (!level.down(s) && adapterDown_.down(s))
                letGoMs_[size_t(s - 1)] = nowMs;
        }
        adapterDown_ = level;
        down = level;
        pressed = level.first ? FirstSwitch : level.second ? SecondSwitch : 0;
    } else {
        down.first = pressed == FirstSwitch;
        down.second = pressed == SecondSwitch;
    }
    // A key let go may be the first half of a repeat whose press is still to
    // come (the two can reach the program in different reads): until that is
    // known, a press neither counts on nor ends, so a held key is not lost.
    const bool letGoUnsure = ms_until_let_go_confirmed() > 0;
    // Without timing a mouse or key press stays a one-poll event; only an
    // acceptance time needs to know it is still held.
    if (timed_ && letGoUnsure) {
        pressed = 0;
        timingMissedLetGo_ = true;
    } else if (timed_) {
        // Pressed afresh since a let go the timing did not see: it must see
        // the gap, or the new press would carry on the old one's time.
        if (std::exchange(timingMissedLetGo_, false) && pressed != 0)
            timing_.filter(SwitchLevels{});
        if (holdCounts_ && !device_.sampled) {
            down.first = down.first || (timedDown_.first && held(FirstSwitch));
            down.second = down.second || (timedDown_.second && held(SecondSwitch));
        }
        timedDown_ = down;
        const SwitchLevels accepted = timing_.filter(down);
        pressed = accepted.first ? FirstSwitch : accepted.second ? SecondSwitch : 0;
    }
    flags_.SwitchPressed = pressed != 0 ? 1 : 0;

    for (int s = FirstSwitch; s <= DwellSwitch; ++s) {
        std::optional<Press>& press = presses_[size_t(s - 1)];
        if (!press)
            continue;
        if (pressed == s && awaiting_ && !press->taken)
            take_press(s);
        if (!held(s) && !(letGoUnsure && s != DwellSwitch))
            end_press(s);
    }
}

void TurnInput::end_press(int switchNumber)
{
    std::optional<Press>& press = presses_[size_t(switchNumber - 1)];
    if (!press)
        return;
    if (!press->taken)
        events_.press_ignored(press->phase, switchNumber, press->beganMs);
    else if (switchNumber != DwellSwitch)  // a dwell was never held, so nothing is let go
        events_.press_let_go(switchNumber,
                             std::max<int64_t>(letGoMs_[size_t(switchNumber - 1)] - press->beganMs, 0));
    press.reset();
}

void TurnInput::take_press(int switchNumber)
{
    Press& press = *presses_[size_t(switchNumber - 1)];
    press.taken = true;
    takenHeldMs_ = clock_.now_ms() - press.beganMs;
    takenSwitch_ = switchNumber;
    takenFromBefore_ = press.fromBeforeCue;
}

void TurnInput::take_held_press()
{
    const int s = held(FirstSwitch) ? FirstSwitch : held(SecondSwitch) ? SecondSwitch : 0;
    if (s == 0)
        return;
    presses_[size_t(s - 1)] = Press{lastDownMs_[size_t(s - 1)], flags_.phase, false, true};
    if (holdCounts_) {
        // The acceptance time runs from the cue: the timing sees the switch
        // go down now and keeps seeing it held.
        timing_.filter(SwitchLevels{});
        timedDown_ = SwitchLevels{s == FirstSwitch, s == SecondSwitch};
        return;
    }
    flags_.SwitchPressed = 1;
    eventSwitch_ = s;
    take_press(s);
}

bool TurnInput::switch_held() const
{
    return held(FirstSwitch) || held(SecondSwitch);
}

bool TurnInput::held(int switchNumber) const
{
    // Any key or button but the second switch's holds switch 1, as when
    // there was one switch; a dwell is never held.
    if (switchNumber == DwellSwitch)
        return false;
    const bool second = switchNumber == SecondSwitch;
    switch (device_.reads) {
    case InputDevice::Reads::Adapter: return adapterDown_.down(switchNumber);
    case InputDevice::Reads::MouseButton:
        return flags_.MouseReleased == 0 && (mouseSwitch_ == SecondSwitch) == second;
    case InputDevice::Reads::Keys: return flags_.KeyReleased == 0 && (keySwitch_ == SecondSwitch) == second;
    case InputDevice::Reads::PointerDwell:
    case InputDevice::Reads::Nothing: break;
    }
    return false;
}

int TurnInput::ms_until_let_go_confirmed() const
{
    if (!device_.releaseNeedsConfirming || switch_held() || !keyLetGo_.isValid())
        return 0;
    return int(std::max<int64_t>(RepeatPairMs - keyLetGo_.elapsed(), 0));
}

int64_t TurnInput::event_ms(quint64 timestamp) const
{
    // X servers and compositors stamp input in 32-bit milliseconds of the
    // system's steady clock, which the run's clock reads too.
    const int64_t nowMs = clock_.now_ms();
    if (timestamp == 0)
        return nowMs;
    const int64_t waited = uint32_t(nowMs) - uint32_t(timestamp);
    return waited >= 0 && waited <= LongestEventWaitMs ? nowMs - waited : nowMs;
}

void TurnInput::press_began(int switchNumber, int64_t atMs)
{
    const size_t i = size_t(switchNumber - 1);
    // A key let go while it was unsure whether that was half a repeat.
    if (device_.releaseNeedsConfirming)
        end_press(switchNumber);
    lastDownMs_[i] = atMs;
    // Outside a wait's response step a press can never become the response:
    // told at once, with the time it was made.
    if (!awaiting_) {
        events_.press_ignored(flags_.phase, switchNumber, atMs);
        presses_[i].reset();
        return;
    }
    presses_[i] = Press{atMs, flags_.phase};
}

bool TurnInput::key_press(const QKeyEvent& key)
{
    if (repeats_.is_repeat(key)) {
        flags_.KeyReleased = 0;  // still held: the release just before was part of the repeat
        return false;
    }
    keyDownMs_ = event_ms(key.timestamp());
    return key_down(virtual_key_code(key));
}

void TurnInput::key_release(const QKeyEvent& key)
{
    repeats_.note_release(key);
    if (!key.isAutoRepeat()) {
        flags_.KeyReleased = 1;
        letGoMs_[size_t(keySwitch_ == SecondSwitch ? 1 : 0)] = event_ms(key.timestamp());
        keyLetGo_.start();
    }
}

bool TurnInput::key_down(int virtualKey)
{
    if (flags_.KeyReleased == 0)
        return false;
    flags_.KeyReleased = 0;
    flags_.LeaveRequested = 0;
    keySwitch_ = virtualKey == VkReturn ? SecondSwitch : FirstSwitch;
    switch (virtualKey) {
    case VkEscape: flags_.LeaveRequested = 1; return true;
    case VkSpace:
    case '2':
    case VkReturn:
        if (device_.reads != InputDevice::Reads::Keys)
            return false;
        press_began(keySwitch_, keyDownMs_);
        flags_.SwitchPressed = 1;
        eventSwitch_ = keySwitch_;
        return true;
    case 'A':
    case '0':
        if (flags_.phase == WaitPhase::None)
            return false;
        flags_.SkipRequested = 1;
        return true;
    case 'R':
    case '1':
        if (flags_.phase != WaitPhase::AfterClip && flags_.phase != WaitPhase::HeldClip)
            return false;
        flags_.ReplayRequested = 1;
        return true;
    default: return false;
    }
}

void TurnInput::mouse_down(MouseTarget target, quint64 timestamp, int switchNumber)
{
    if (target != MouseTarget::Player)
        formPressed_ = target == MouseTarget::Form;
    if (flags_.MouseReleased == 0)
        return;
    flags_.MouseReleased = 0;
    mouseSwitch_ = switchNumber;
    if (device_.reads == InputDevice::Reads::MouseButton)
        press_began(switchNumber, event_ms(timestamp));
    test_for_click();
}

void TurnInput::mouse_up(MouseTarget target, quint64 timestamp)
{
    flags_.MouseReleased = 1;
    letGoMs_[size_t(mouseSwitch_ == SecondSwitch ? 1 : 0)] = event_ms(timestamp);
    if (target == MouseTarget::Form && std::exchange(formPressed_, false))
        test_for_click();  // the form's click event: no latch
}

void TurnInput::player_focus()
{
    test_for_click();
}

void TurnInput::exit_link_double_click()
{
    flags_.LeaveRequested = 1;
}

void TurnInput::dwell_completed(int target)
{
    if (device_.reads != InputDevice::Reads::PointerDwell)
        return;
    dwellTarget_ = target;
    press_began(DwellSwitch, clock_.now_ms());
    flags_.SwitchPressed = 1;
    eventSwitch_ = DwellSwitch;
}

void TurnInput::test_for_click()
{
    flags_.SwitchPressed = device_.reads == InputDevice::Reads::MouseButton ? 1 : 0;
    eventSwitch_ = mouseSwitch_ == SecondSwitch ? SecondSwitch : FirstSwitch;
}
