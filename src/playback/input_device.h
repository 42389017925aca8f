#pragma once
// What each input device is to a playback run: what it reads, whether its
// held state must be sampled, what it is called and which switch it is. The
// turn input asks this description, never the device's number.

#include <QString>
#include <cstdint>

struct InputDevice {
    enum class Reads { Nothing, Adapter, MouseButton, Keys };
    Reads reads;
    // Its held state is known only by sampling it: no window event tells of
    // a press or a release.
    bool sampled;
    // A held key repeats as a release and a press, so a release is taken
    // for letting go only once the press of a repeat has had time to come.
    bool releaseNeedsConfirming;
    int switchNumber;  // the switch its presses carry (one switch today)
    QString name;
};

// The description of g.InputDevice's value: 1 to 4 the serial adapters, 5 the
// game port, 6 the mouse and 7 the keyboard; any other value reads nothing.
const InputDevice& input_device(int16_t number);
