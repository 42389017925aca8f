#pragma once
// Adapter ports for tests: every write is recorded, every read returns the
// byte the test put at that address (all ones where it put none), or what an
// adapter that is not there reads while unplugged.

#include "switch/adapter_ports.h"
#include "switch/port_io.h"

#include <QMap>
#include <utility>
#include <vector>

class FakeAdapterPorts : public AdapterPorts {
public:
    int16_t agInp(uint16_t address) override
    {
        ++reads;
        if (unplugged)
            return address == GamePort ? 0xFF : 0;
        return bytes.value(address, 0xFF);
    }
    void agOutp(uint16_t address, int16_t value) override { writes.emplace_back(address, value); }

    void look_for_adapters() override { ++looks; }
    bool present(int16_t device) const override { return locations.contains(device); }
    QString location(int16_t device) const override { return locations.value(device); }
    QString take_problems() override { return std::exchange(problems, QString()); }

    // Switch 1 (and switch 2) on adapter device 1..5 closed or open; every
    // other port reads released.
    void hold(int16_t device, bool down, bool secondDown = false)
    {
        for (uint16_t base : ComBase)
            bytes[base + ModemStatusOffset] = 0;
        bytes[GamePort] = 0xFF;
        if (device == 5)
            bytes[GamePort] = int16_t(0xFF & ~(down ? FirstButton : 0) & ~(secondDown ? SecondButton : 0));
        else
            bytes[ComBase[device - 1] + ModemStatusOffset] =
                int16_t((down ? CarrierDetect : 0) | (secondDown ? ClearToSend : 0));
    }

    QMap<uint16_t, int16_t> bytes;
    bool unplugged = false;
    std::vector<std::pair<uint16_t, int16_t>> writes;
    int reads = 0;
    int looks = 0;
    QMap<int16_t, QString> locations;
    QString problems;
};
