// The adapter operations on a fake port: the bit rules at the tabled
// addresses, which devices are touched, and the level a held switch gives.

#include "state/globvars.h"
#include "switch/switch_adapter.h"
#include "fakes/fake_adapter_ports.h"

#include <gtest/gtest.h>

namespace {

using Writes = std::vector<std::pair<uint16_t, int16_t>>;

TEST(SwitchAdapter, SerialSwitchIsPressedWhenCarrierDetectIsSet)
{
    FakeAdapterPorts io;
    // Only bit 7 of the low byte counts, on every COM port's status register.
    const std::pair<int16_t, int16_t> cases[] = {{0x80, 1}, {0xB0, 1},  {0x7F, 0},
                                                 {0x00, 0}, {0x17F, 0}, {0x180, 1}};
    for (auto [device, status] :
         {std::pair<int16_t, uint16_t>{1, 0x3FE}, {2, 0x2FE}, {3, 0x1FE}, {4, 0x0FE}}) {
        for (auto [byte, pressed] : cases) {
            io.bytes[status] = byte;
            EXPECT_EQ(read_com_switch(io, device), pressed) << device << " " << byte;
        }
    }
    EXPECT_TRUE(io.writes.empty()) << "a serial read writes nothing";
}

TEST(SwitchAdapter, EveryAdapterCarriesASecondSwitch)
{
    FakeAdapterPorts io;
    // Serial: carrier detect is switch 1, clear to send switch 2; data set
    // ready and ring are no switch.
    const std::pair<int16_t, SwitchLevels> serial[] = {{0x10, {false, true}},  {0x90, {true, true}},
                                                       {0x80, {true, false}},  {0x60, {false, false}},
                                                       {0x110, {false, true}}, {0x100, {false, false}}};
    for (auto [byte, levels] : serial) {
        io.bytes[0x2FE] = byte;
        EXPECT_EQ(poll_switches(io, 2), levels) << byte;
    }
    // Game port, active low: bit 4 is switch 1, bit 5 switch 2; the other
    // buttons are no switch.
    const std::pair<int16_t, SwitchLevels> game[] = {{0xDF, {false, true}},
                                                     {0xCF, {true, true}},
                                                     {0xEF, {true, false}},
                                                     {0x3F, {false, false}},
                                                     {0xFF, {false, false}}};
    for (auto [byte, levels] : game) {
        io.bytes[0x201] = byte;
        EXPECT_EQ(poll_switches(io, 5), levels) << byte;
    }
    const int reads = io.reads;
    EXPECT_EQ(poll_switches(io, 6), SwitchLevels{});
    EXPECT_EQ(io.reads, reads) << "the mouse is not read through a port";
}

TEST(SwitchAdapter, GamePortButtonIsPressedWhenBitFourIsClear)
{
    FakeAdapterPorts io;
    const std::pair<int16_t, int16_t> cases[] = {{0xEF, 1}, {0x00, 1}, {0xFF, 0}, {0x10, 0}, {0x1EF, 1}};
    for (auto [byte, pressed] : cases) {
        io.bytes[0x201] = byte;
        io.writes.clear();
        EXPECT_EQ(read_game_switch(io), pressed) << byte;
        EXPECT_EQ(io.writes, (Writes{{0x201, 0}})) << "every read is armed by a write";
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
    }
    EXPECT_EQ(io.reads, 0);
    EXPECT_TRUE(io.writes.empty());
}

TEST(SwitchAdapter, HeldSwitchReadsPressedAtEveryPollAndReleasedAtOnceAfter)
{
    FakeAdapterPorts io;
    io.bytes[0x2FE] = 0x80;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(poll_switch(io, 2), 1);
    io.bytes[0x2FE] = 0x00;
    EXPECT_EQ(poll_switch(io, 2), 0);

    io.bytes[0x201] = 0xEF;
    EXPECT_EQ(poll_switch(io, 5), 1);
    io.bytes[0x201] = 0xFF;
    EXPECT_EQ(poll_switch(io, 5), 0);
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
