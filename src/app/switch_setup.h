#pragma once
// Preparation of a switch adapter, done before an adapter becomes the
// learner's input device (at start-up for a stored adapter, or when one is
// chosen in the menu). The menu window is given an implementation when the
// program is built with adapter support, and nullptr otherwise.

#include <cstdint>

class SwitchSetup {
public:
    virtual ~SwitchSetup() = default;
    virtual void init_com_adapter(int16_t port) = 0;  // serial port COM1..COM4
    virtual void init_game_port() = 0;
};
