#pragma once
// Adapter ports for tests: every write is recorded, every read returns the
// byte the test put at that address (all ones where it put none).

#include "switch/adapter_ports.h"

#include <QMap>
#include <utility>
#include <vector>

class FakeAdapterPorts : public AdapterPorts {
public:
    int16_t agInp(uint16_t address) override
    {
        ++reads;
        return bytes.value(address, 0xFF);
    }
    void agOutp(uint16_t address, int16_t value) override { writes.emplace_back(address, value); }

    void look_for_adapters() override { ++looks; }
    bool present(int16_t device) const override { return locations.contains(device); }
    QString location(int16_t device) const override { return locations.value(device); }
    QString take_problems() override { return std::exchange(problems, QString()); }

    QMap<uint16_t, int16_t> bytes;
    std::vector<std::pair<uint16_t, int16_t>> writes;
    int reads = 0;
    int looks = 0;
    QMap<int16_t, QString> locations;
    QString problems;
};
