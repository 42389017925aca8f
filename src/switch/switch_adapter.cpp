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

int16_t read_com_switch(PortIo& io, int16_t device)
{
    if (!is_com_device(device))
        return 0;
    return (io.agInp(ComBase[device - 1] + ModemStatusOffset) & CarrierDetect) ? 1 : 0;
}

int16_t read_game_switch(PortIo& io)
{
    io.agOutp(GamePort, 0);
    return (io.agInp(GamePort) & FirstButton) == 0 ? 1 : 0;
}

int16_t poll_switch(PortIo& io, int16_t device)
{
    if (is_com_device(device))
        return read_com_switch(io, device);
    if (device == 5)
        return read_game_switch(io);
    return 0;
}

bool needs_polling(const GlobVars& g)
{
    return is_adapter_device(g.InputDevice) || g.AcceptanceTime > 0;
}
