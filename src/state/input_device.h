#pragma once
// How the learner responds. The device number (GlobVars::InputDevice) is what
// every copy of the program knows; the kind of device says the same in words
// and also tells pointer dwell apart from a mouse click. Dwell keeps the
// mouse's device number, so an older copy reads the learner as a mouse user.

#include "state/globvars.h"

#include <QString>
#include <cstdint>

// The values of the device-kind option line.
enum class InputKind : int16_t {
    Serial = 1,  // an adapter on serial port COM1..COM4 (devices 1..4)
    Joystick = 2,  // an adapter in the game port (device 5)
    Mouse = 3,  // a mouse click (device 6)
    Keyboard = 4,  // keys (device 7)
    PointerDwell = 5,  // the pointer resting on the target (device 6)
};

inline constexpr int16_t MouseDevice = 6;

// Dwell times in milliseconds: the menu offers 0.5 to 3 s; a settings file
// may hold any time in this range.
inline constexpr int16_t DefaultDwellTime = 1000;
inline constexpr int16_t MinDwellTime = 100;
inline constexpr int16_t MaxDwellTime = 10000;

// The kind a device number stands for without the kind line; Mouse for a
// number that is no device.
InputKind device_kind(int16_t device);

// The learner's kind of device, as the options hold it.
InputKind input_kind(const GlobVars& g);

bool usable_dwell_time(int ms);

// For records and the adult: "serial adapter", "joystick", "mouse",
// "keyboard", "pointer dwell".
QString input_kind_name(InputKind kind);
