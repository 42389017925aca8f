#pragma once
// Preparing and sampling a switch adapter on a serial port (devices 1..4) or
// the game port (device 5). Each read is one level sample: no debouncing, no
// edges and no flags; the playback input makes a held switch count only
// after a release. Every adapter carries two switches: on a serial port
// switch 1 closes RTS to carrier detect and switch 2 RTS to clear to send;
// on the game port they are the first and second buttons.

#include <cstdint>

struct GlobVars;
class PortIo;

// Devices 1..4 are the serial ports COM1..COM4, device 5 the game port.
bool is_adapter_device(int16_t device);

// Raises RTS on COM1..COM4; writes nothing for any other device.
void init_com_adapter(PortIo& io, int16_t device);
void init_game_port(PortIo& io);

// Which of a device's two switches are down at one sample.
struct SwitchLevels {
    bool first = false;
    bool second = false;

    bool any() const { return first || second; }
    // switchNumber 1 or 2.
    bool down(int switchNumber) const { return switchNumber == 2 ? second : first; }
    bool operator==(const SwitchLevels&) const = default;
};

// Both switches of device 1..4 from one read of its modem status; both up
// without a read for any other device.
SwitchLevels read_com_switches(PortIo& io, int16_t device);
// Both joystick buttons (active low) from one read of the game port.
SwitchLevels read_game_switches(PortIo& io);
// Both switches of devices 1..5; both up without a read for every other device.
SwitchLevels poll_switches(PortIo& io, int16_t device);

// Switch 1 alone, as 1 or 0, for a learner who uses one switch.
int16_t read_com_switch(PortIo& io, int16_t device);
int16_t read_game_switch(PortIo& io);
int16_t poll_switch(PortIo& io, int16_t device);

// True when a wait must sample on a timer because no window event will tell
// it of a press: an adapter is the device, or presses must be held for a time.
bool needs_polling(const GlobVars& g);
