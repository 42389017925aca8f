#include "playback/turn_input.h"

#include "media/monotonic_clock.h"
#include "playback/turn_observer.h"
#include "playback/virtual_key.h"
#include "state/globvars.h"
#include "switch/switch_adapter.h"

#include <QKeyEvent>

TurnInput::TurnInput(const GlobVars& g, const MonotonicClock& clock, PortIo& ports, TurnObserver& events,
                     KeyRepeatFilter repeats)
    : g_(g)
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

bool TurnInput::take_replay()
{
    if (flags_.ReplayRequested != 1)
        return false;
    flags_.ReplayRequested = 0;
    return true;
}

void TurnInput::set_wait_phase(int16_t phase)
{
    flags_.WaitPhase = phase;
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
    if (is_adapter_device(g_.InputDevice)) {
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
        if (holdCounts_ && (g_.InputDevice == 6 || g_.InputDevice == 7)) {
            const int16_t released = g_.InputDevice == 6 ? flags_.MouseReleased : flags_.KeyReleased;
            down = down || (timedDown_ && released == 0);
        }
        timedDown_ = down;
        flags_.SwitchPressed = timing_.filter(down);
    }

    if (!press_)
        return;
    if (flags_.SwitchPressed == 1 && awaiting_ && !press_->taken) {
        press_->taken = true;
        takenHeldMs_ = clock_.now_ms() - press_->beganMs;
    }
    if (!switch_held()) {
        if (!press_->taken)
            events_.press_ignored(press_->phase);
        press_.reset();
    }
}

bool TurnInput::switch_held() const
{
    if (is_adapter_device(g_.InputDevice))
        return adapterDown_;
    if (g_.InputDevice == 6)
        return flags_.MouseReleased == 0;
    if (g_.InputDevice == 7)
        return flags_.KeyReleased == 0;
    return false;
}

void TurnInput::press_began()
{
    // Outside a wait's response step a press can never become the response:
    // told at once.
    if (!awaiting_) {
        events_.press_ignored(flags_.WaitPhase);
        press_.reset();
        return;
    }
    press_ = Press{clock_.now_ms(), flags_.WaitPhase};
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
    if (!key.isAutoRepeat())
        flags_.KeyReleased = 1;
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
        if (g_.InputDevice != 7)
            return false;
        press_began();
        flags_.SwitchPressed = 1;
        return true;
    case 'A':
    case '0':
        if (flags_.WaitPhase < 1 || flags_.WaitPhase > 3)
            return false;
        flags_.SkipRequested = 1;
        return true;
    case 'R':
    case '1':
        if (flags_.WaitPhase != 2 && flags_.WaitPhase != 3)
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
    if (g_.InputDevice == 6)
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
    flags_.SwitchPressed = 0;
    if (g_.InputDevice == 6)
        flags_.SwitchPressed = 1;
}
