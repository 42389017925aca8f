#pragma once
// The switch adapters as the menu window sees them: preparing the chosen
// adapter, which adapters can be chosen, where they are, and a live reading
// for the adult's switch test.

#include "switch/switch_adapter.h"

#include <QString>
#include <cstdint>

class AdapterPorts;

class SwitchSetup {
public:
    explicit SwitchSetup(AdapterPorts& ports);

    void init_com_adapter(int16_t port);  // serial port COM1..COM4
    void init_game_port();

    void look_for_adapters();
    bool available(int16_t device) const;
    QString location(int16_t device) const;
    // 1 while switch 1 on adapter device 1..5 is pressed; 0 for any other device.
    int16_t pressed_now(int16_t device);
    // Both switches of adapter device 1..5; both up for any other device.
    SwitchLevels levels_now(int16_t device);
    QString take_problems();

private:
    AdapterPorts& ports_;
};
