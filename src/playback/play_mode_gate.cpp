#include "playback/play_mode_gate.h"

#include <algorithm>

PlayModeGate::PlayModeGate(PlayModeChoice choice)
    : choice_(choice)
{
}

int PlayModeGate::presses_to_start() const
{
    return choice_.mode == SeveralPresses ? std::max<int>(choice_.number, 1) : 1;
}

bool PlayModeGate::press_starts_clip()
{
    presses_ = std::min(presses_ + 1, presses_to_start());
    return presses_ == presses_to_start();
}

void PlayModeGate::play_from(int64_t nowMs)
{
    playFromMs_ = nowMs;
}

bool PlayModeGate::must_hold(bool switchHeld, int64_t nowMs) const
{
    switch (choice_.mode) {
    case PressAndHold: return !switchHeld;
    case TimedPlay: return ms_until_hold(nowMs) == 0;
    default: return false;
    }
}

int64_t PlayModeGate::ms_until_hold(int64_t nowMs) const
{
    if (choice_.mode != TimedPlay)
        return -1;
    return std::max<int64_t>(int64_t(choice_.number) * 1000 - played_ms(nowMs), 0);
}
