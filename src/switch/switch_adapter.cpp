#include "switch/switch_adapter.h"

#include "state/globvars.h"
#include "switch/port_io.h"

bool is_adapter_device(int16_t device)
{
    return device >= 1 && device <= 5;
}

namespace {

bool is_com_device(int16_t device)
{
    return device >= 1 && device <= 4;
}

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

SwitchLevels read_com_switches(PortIo& io, int16_t device)
{
    if (!is_com_device(device))
        return {};
    const int16_t status = io.agInp(ComBase[device - 1] + ModemStatusOffset);
    return {(status & CarrierDetect) != 0, (status & ClearToSend) != 0};
}

SwitchLevels read_game_switches(PortIo& io)
{
    io.agOutp(GamePort, 0);
    const int16_t buttons = io.agInp(GamePort);
    return {(buttons & FirstButton) == 0, (buttons & SecondButton) == 0};
}

SwitchLevels poll_switches(PortIo& io, int16_t device)
{
    if (is_com_device(device))
        return read_com_switches(io, device);
    if (device == 5)
        return read_game_switches(io);
    return {};
}

int16_t read_com_switch(PortIo& io, int16_t device)
{
    return read_com_switches(io, device).first ? 1 : 0;
}

int16_t read_game_switch(PortIo& io)
{
    return read_game_switches(io).first ? 1 : 0;
}

int16_t poll_switch(PortIo& io, int16_t device)
{
    return poll_switches(io, device).first ? 1 : 0;
}

bool needs_polling(const GlobVars& g)
{
    return is_adapter_device(g.InputDevice) || g.AcceptanceTime > 0;
}
