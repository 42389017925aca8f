#pragma once
// What each input device is to a playback run: what it reads, whether its
// held state must be sampled and what it is called. The turn input asks this
// description, never the device's number.

#include <QString>
#include <cstdint>

struct GlobVars;

// The switch numbers a press carries to observers and records: each device
// has two switches; a completed dwell is a press of its own kind.
inline constexpr int FirstSwitch = 1;
inline constexpr int SecondSwitch = 2;
inline constexpr int DwellSwitch = 3;

struct InputDevice {
    enum class Reads { Nothing, Adapter, MouseButton, Keys, PointerDwell };
    Reads reads;
    // Its held state is known only by sampling it: no window event tells of
    // a press or a release.
    bool sampled;
    // A held key repeats as a release and a press, so a release is taken
    // for letting go only once the press of a repeat has had time to come.
    bool releaseNeedsConfirming;
    // A press is the pointer resting on the target, never a button: it is
    // never held, so the switch timing has nothing to time.
    bool dwells;
    QString name;
};

// The description of g.InputDevice's value (1 to 4 the serial adapters, 5 the
// game port, 6 the mouse and 7 the keyboard; any other value reads nothing),
// or pointer dwell when the learner's kind of device says so.
const InputDevice& input_device(const GlobVars& g);
const InputDevice& input_device(int16_t number);
