#pragma once
// Preparing and sampling a switch adapter on a serial port (devices 1..4) or
// the game port (device 5). Each read is one level sample: no debouncing, no
// edges; the response wait makes a held switch count only after a release.

#include <cstdint>

struct GlobVars;
class PortIo;

// Raises RTS on COM1..COM4; writes nothing for any other device.
void init_com_adapter(PortIo& io, int16_t device);
void init_game_port(PortIo& io);

// SwitchPressed from the carrier-detect bit of device 1..4; 0 without a read otherwise.
int16_t read_com_switch(PortIo& io, GlobVars& g, int16_t device);
// SwitchPressed from the first joystick button (active low).
int16_t read_game_switch(PortIo& io, GlobVars& g);
// Overwrites SwitchPressed with the adapter's level for devices 1..5; leaves
// it untouched for every other device. Returns SwitchPressed.
int16_t poll_switch(PortIo& io, GlobVars& g);

// The process-wide port I/O used by the playback layer: start-up installs the
// real one; with none installed every adapter reads as released.
void set_port_io(PortIo* io);
int16_t poll_switch(GlobVars& g);

// True when a wait must sample on a timer because no window event will tell
// it of a press: an adapter is the device, or presses must be held for a time.
bool needs_polling(const GlobVars& g);
