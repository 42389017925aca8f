#include "switch/switch_response.h"

#include "state/globvars.h"
#include "switch/switch_adapter.h"

SwitchResponse::SwitchResponse(const MonotonicClock& clock, const GlobVars& g)
    : timing_(clock, g.AcceptanceTime, g.PostAcceptanceDelay),
      timed_(g.AcceptanceTime > 0 || g.PostAcceptanceDelay > 0),
      holdCounts_(g.AcceptanceTime > 0)
{
}

void SwitchResponse::after_yield(GlobVars& g)
{
    poll_switch(g);
    // Without timing a mouse or key press stays a one-poll event, exactly as
    // before; only an acceptance time needs to know it is still held.
    if (!timed_)
        return;
    bool down = g.SwitchPressed == 1;
    if (holdCounts_ && (g.InputDevice == 6 || g.InputDevice == 7)) {
        const int16_t released = g.InputDevice == 6 ? g.MouseReleased : g.KeyReleased;
        down = down || (down_ && released == 0);
    }
    down_ = down;
    g.SwitchPressed = timing_.filter(down);
}
