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
}  // namespace

TurnInput::TurnInput(const GlobVars& g, const MonotonicClock& clock, PortIo& ports, TurnObserver& events,
                     KeyRepeatFilter repeats)
    : g_(g)
    , device_(input_device(g.InputDevice))
    , clock_(clock)
    , ports_(ports)
    , events_(events)
    , repeats_(std::move(repeats))
    , timing_(clock, g.AcceptanceTime, g.PostAcceptanceDelay)
    , timed_(g.AcceptanceTime > 0 || g.PostAcceptanceDelay > 0)
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
    if (device_.sampled) {
        const bool level = poll_switch(ports_, g_.InputDevice) == 1;
        if (level && !adapterDown_)
            press_began();
        adapterDown_ = level;
        flags_.SwitchPressed = level ? 1 : 0;
    }
    // Without timing a mouse or key press stays a one-poll event; only an
    // acceptance time needs to know it is still held.
    if (timed_) {
        bool down = flags_.SwitchPressed == 1;
        if (holdCounts_ && !device_.sampled)
            down = down || (timedDown_ && switch_held());
        timedDown_ = down;
        flags_.SwitchPressed = timing_.filter(down);
    }

    if (!press_)
        return;
    if (flags_.SwitchPressed == 1 && awaiting_ && !press_->taken) {
        press_->taken = true;
        takenHeldMs_ = clock_.now_ms() - press_->beganMs;
        takenSwitch_ = press_->switchNumber;
    }
    if (!switch_held()) {
        if (!press_->taken)
            events_.press_ignored(press_->phase, press_->switchNumber);
        press_.reset();
    }
}

bool TurnInput::switch_held() const
{
    switch (device_.reads) {
    case InputDevice::Reads::Adapter: return adapterDown_;
    case InputDevice::Reads::MouseButton: return flags_.MouseReleased == 0;
    case InputDevice::Reads::Keys: return flags_.KeyReleased == 0;
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

void TurnInput::press_began()
{
    // Outside a wait's response step a press can never become the response:
    // told at once.
    if (!awaiting_) {
        events_.press_ignored(flags_.phase, device_.switchNumber);
        press_.reset();
        return;
    }
    press_ = Press{clock_.now_ms(), flags_.phase, device_.switchNumber};
}

bool TurnInput::key_press(const QKeyEvent& key)
{
    if (repeats_.is_repeat(key)) {
        flags_.KeyReleased = 0;  // still held: the release just before was part of the repeat
        return false;
    }
    return key_down(virtual_key_code(key));
}

void TurnInput::key_release(const QKeyEvent& key)
{
    repeats_.note_release(key);
    if (!key.isAutoRepeat()) {
        flags_.KeyReleased = 1;
        keyLetGo_.start();
    }
}

bool TurnInput::key_down(int virtualKey)
{
    if (flags_.KeyReleased == 0)
        return false;
    flags_.KeyReleased = 0;
    flags_.LeaveRequested = 0;
    switch (virtualKey) {
    case VkEscape: flags_.LeaveRequested = 1; return true;
    case VkSpace:
    case '2':
        if (device_.reads != InputDevice::Reads::Keys)
            return false;
        press_began();
        flags_.SwitchPressed = 1;
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

void TurnInput::mouse_down(MouseTarget target)
{
    if (target != MouseTarget::Player)
        formPressed_ = target == MouseTarget::Form;
    if (flags_.MouseReleased == 0)
        return;
    flags_.MouseReleased = 0;
    if (device_.reads == InputDevice::Reads::MouseButton)
        press_began();
    test_for_click();
}

void TurnInput::mouse_up(MouseTarget target)
{
    flags_.MouseReleased = 1;
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

void TurnInput::test_for_click()
{
    flags_.SwitchPressed = device_.reads == InputDevice::Reads::MouseButton ? 1 : 0;
}
