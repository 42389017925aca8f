// The adapter operations on a fake port: the bit rules at the tabled
// addresses, which devices are touched, and the level a held switch gives.

#include "state/globvars.h"
#include "switch/switch_adapter.h"
#include "fakes/fake_adapter_ports.h"

#include <gtest/gtest.h>

namespace {

using Writes = std::vector<std::pair<uint16_t, int16_t>>;

// Each row: the status byte an adapter's port gives and the two switches it
// means. Every read of it agrees, polled again and again while it stays.
TEST(SwitchAdapter, EveryAdapterReadsItsTwoSwitchesFromItsStatusBits)
{
    struct Row {
        const char* name;
        int16_t byte;
        SwitchLevels levels;
    };
    // clang-format off
    // Only the low byte counts: carrier detect (bit 7) is switch 1, clear to
    // send (bit 4) switch 2; data set ready and ring are no switch.
    const Row serial[] = {
        {"carrier detect", 0x80, {true, false}},     {"carrier detect with others", 0xB0, {true, true}},
        {"all but carrier detect", 0x7F, {false, true}}, {"nothing", 0x00, {false, false}},
        {"high byte alone", 0x17F, {false, true}},   {"carrier detect, high byte", 0x180, {true, false}},
        {"clear to send", 0x10, {false, true}},      {"both", 0x90, {true, true}},
        {"data set ready and ring", 0x60, {false, false}}, {"clear to send, high byte", 0x110, {false, true}},
        {"the high byte is no switch", 0x100, {false, false}},
    };
    // Active low: bit 4 is switch 1, bit 5 switch 2; the other buttons are no switch.
    const Row game[] = {
        {"bit 4 clear", 0xEF, {true, false}},        {"all clear", 0x00, {true, true}},
        {"all set", 0xFF, {false, false}},           {"only bit 4 set", 0x10, {false, true}},
        {"bit 4 clear, high byte", 0x1EF, {true, false}}, {"bit 5 clear", 0xDF, {false, true}},
        {"bits 4 and 5 clear", 0xCF, {true, true}},  {"the other buttons", 0x3F, {false, false}},
    };
    // clang-format on
    FakeAdapterPorts io;
    const std::pair<int16_t, uint16_t> comPorts[] = {{1, 0x3FE}, {2, 0x2FE}, {3, 0x1FE}, {4, 0x0FE}};
    for (const auto& [device, status] : comPorts) {
        for (const auto& row : serial) {
            SCOPED_TRACE(testing::Message() << "COM " << device << ": " << row.name);
            io.bytes[status] = row.byte;
            EXPECT_EQ(read_com_switch(io, device), row.levels.first);
            EXPECT_EQ(poll_switches(io, device), row.levels);
            for (int poll = 0; poll < 3; ++poll)
                EXPECT_EQ(poll_switch(io, device), row.levels.first);
        }
    }
    EXPECT_TRUE(io.writes.empty()) << "a serial read writes nothing";
    for (const auto& row : game) {
        SCOPED_TRACE(row.name);
        io.bytes[0x201] = row.byte;
        io.writes.clear();
        EXPECT_EQ(read_game_switch(io), row.levels.first);
        EXPECT_EQ(io.writes, (Writes{{0x201, 0}})) << "every read is armed by a write";
        EXPECT_EQ(poll_switches(io, 5), row.levels);
        for (int poll = 0; poll < 3; ++poll)
            EXPECT_EQ(poll_switch(io, 5), row.levels.first);
    }
}

TEST(SwitchAdapter, SetUpWritesOnlyForAdapterDevices)
{
    FakeAdapterPorts io;
    for (int16_t device : {0, 5, 6, 7, -1, 8})
        init_com_adapter(io, device);
    EXPECT_TRUE(io.writes.empty());
    for (int16_t device = 1; device <= 4; ++device)
        init_com_adapter(io, device);
    init_game_port(io);
    EXPECT_EQ(io.writes, (Writes{{0x3FC, 2}, {0x2FC, 2}, {0x1FC, 2}, {0x0FC, 2}, {0x201, 0}}));

    EXPECT_EQ(read_com_switch(io, 5), 0);
    EXPECT_EQ(io.reads, 0) << "a device that is no serial port is not read";
}

TEST(SwitchAdapter, PollLeavesMouseAndKeyboardToTheirEvents)
{
    FakeAdapterPorts io;
    io.bytes[0x3FE] = 0x80;
    for (int16_t device : {6, 7, 0}) {
        EXPECT_FALSE(is_adapter_device(device));
        EXPECT_EQ(poll_switch(io, device), 0);
        EXPECT_EQ(poll_switches(io, device), SwitchLevels{});
    }
    EXPECT_EQ(io.reads, 0);
    EXPECT_TRUE(io.writes.empty());
}

TEST(SwitchAdapter, OnlyAdaptersAndHeldPressesNeedSampling)
{
    GlobVars g;
    g.InputDevice = 1;
    EXPECT_TRUE(needs_polling(g));
    g.InputDevice = 7;
    EXPECT_FALSE(needs_polling(g));
    g.AcceptanceTime = 300;
    EXPECT_TRUE(needs_polling(g)) << "a held key must be timed without any event";
}

}  // namespace
