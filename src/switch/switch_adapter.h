#pragma once
// Preparing and sampling a switch adapter on a serial port (devices 1..4) or
// the game port (device 5). Each read is one level sample: no debouncing, no
// edges and no flags; the playback input makes a held switch count only
// after a release.

#include <cstdint>

struct GlobVars;
class PortIo;

// Devices 1..4 are the serial ports COM1..COM4, device 5 the game port.
bool is_adapter_device(int16_t device);

// Raises RTS on COM1..COM4; writes nothing for any other device.
void init_com_adapter(PortIo& io, int16_t device);
void init_game_port(PortIo& io);

// 1 while the carrier-detect bit of device 1..4 is set; 0 without a read otherwise.
int16_t read_com_switch(PortIo& io, int16_t device);
// 1 while the first joystick button is down (active low).
int16_t read_game_switch(PortIo& io);
// The adapter's level for devices 1..5; 0 without a read for every other device.
int16_t poll_switch(PortIo& io, int16_t device);

// True when a wait must sample on a timer because no window event will tell
// it of a press: an adapter is the device, or presses must be held for a time.
bool needs_polling(const GlobVars& g);
