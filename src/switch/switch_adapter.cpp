#include "switch/switch_adapter.h"

#include "state/globvars.h"
#include "switch/port_io.h"

namespace {

PortIo* installedIo = nullptr;

bool is_com_device(int16_t device) { return device >= 1 && device <= 4; }

}  // namespace

void init_com_adapter(PortIo& io, int16_t device)
{
    if (is_com_device(device))
        io.agOutp(ComBase[device - 1] + ModemControlOffset, RtsOnly);
}

void init_game_port(PortIo& io)
{
    io.agOutp(GamePort, 0);
}

int16_t read_com_switch(PortIo& io, GlobVars& g, int16_t device)
{
    if (!is_com_device(device))
        return 0;
    g.SwitchPressed = 0;
    if (io.agInp(ComBase[device - 1] + ModemStatusOffset) & CarrierDetect)
        g.SwitchPressed = 1;
    return g.SwitchPressed;
}

int16_t read_game_switch(PortIo& io, GlobVars& g)
{
    io.agOutp(GamePort, 0);
    g.SwitchPressed = (io.agInp(GamePort) & FirstButton) == 0 ? 1 : 0;
    return g.SwitchPressed;
}

int16_t poll_switch(PortIo& io, GlobVars& g)
{
    if (is_com_device(g.InputDevice))
        g.SwitchPressed = read_com_switch(io, g, g.InputDevice);
    else if (g.InputDevice == 5)
        g.SwitchPressed = read_game_switch(io, g);
    return g.SwitchPressed;
}

void set_port_io(PortIo* io)
{
    installedIo = io;
}

int16_t poll_switch(GlobVars& g)
{
    if (installedIo)
        return poll_switch(*installedIo, g);
    if (g.InputDevice >= 1 && g.InputDevice <= 5)
        g.SwitchPressed = 0;
    return g.SwitchPressed;
}

bool needs_polling(const GlobVars& g)
{
    return (g.InputDevice >= 1 && g.InputDevice <= 5) || g.AcceptanceTime > 0;
}
