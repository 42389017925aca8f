#pragma once
// The port I/O of the real adapters, plus what the adult setting up needs to
// know about them: which exist, where they are, and what went wrong.

#include "switch/port_io.h"

#include <QString>

class AdapterPorts : public PortIo {
public:
    // Looks again for serial ports and joysticks, so an adapter plugged in
    // since the last look can be chosen without a restart.
    virtual void look_for_adapters() = 0;
    // Whether device 1..5 has a port or joystick behind it.
    virtual bool present(int16_t device) const = 0;
    // The port or joystick behind device 1..5, for the adult; "" when none.
    virtual QString location(int16_t device) const = 0;
    // Faults met since the last call, in words for the adult; "" when none.
    virtual QString take_problems() = 0;
};
