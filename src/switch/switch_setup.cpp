#include "switch/switch_setup.h"

#include "switch/adapter_ports.h"
#include "switch/switch_adapter.h"

SwitchSetup::SwitchSetup(AdapterPorts& ports)
    : ports_(ports)
{
}

void SwitchSetup::init_com_adapter(int16_t port)
{
    ::init_com_adapter(ports_, port);
}

void SwitchSetup::init_game_port()
{
    ::init_game_port(ports_);
}

void SwitchSetup::look_for_adapters()
{
    ports_.look_for_adapters();
}

bool SwitchSetup::available(int16_t device) const
{
    return ports_.present(device);
}

QString SwitchSetup::location(int16_t device) const
{
    return ports_.location(device);
}

int16_t SwitchSetup::pressed_now(int16_t device)
{
    return poll_switch(ports_, device);
}

SwitchLevels SwitchSetup::levels_now(int16_t device)
{
    return poll_switches(ports_, device);
}

QString SwitchSetup::take_problems()
{
    return ports_.take_problems();
}
