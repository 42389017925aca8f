// The game-port path through SDL's virtual joystick, so the real reading code
// runs: availability, the first two buttons as the two switches, unplugging
// and plugging back in.

#include "state/globvars.h"
#include "switch/platform_adapter_ports.h"
#include "switch/switch_adapter.h"
#include "switch/switch_setup.h"
#include "fakes/fake_clock.h"
#include "virtual_joystick.h"

#include <gtest/gtest.h>

namespace {

class JoystickAdapter : public ::testing::Test {
protected:
    void SetUp() override { g.InputDevice = 5; }

    FakeClock clock;
    PlatformAdapterPorts ports{clock, [] { return QStringList{}; }};  // starts SDL's joystick service
    SwitchSetup setup{ports};
    GlobVars g;
};

TEST_F(JoystickAdapter, FirstButtonIsTheSwitchOnceAJoystickIsPluggedIn)
{
    EXPECT_FALSE(setup.available(5));
    EXPECT_EQ(poll_switch(ports, g.InputDevice), 0) << "no joystick reads as released";

    VirtualJoystick joystick;
    ASSERT_TRUE(joystick.ok()) << SDL_GetError();
    setup.look_for_adapters();
    EXPECT_TRUE(setup.available(5));
    EXPECT_FALSE(setup.location(5).isEmpty());

    setup.init_game_port();
    for (bool down : {true, true, false, true, false}) {
        joystick.press(down);
        EXPECT_EQ(poll_switch(ports, g.InputDevice), down ? 1 : 0);
    }
    EXPECT_EQ(ports.take_problems(), QString());
}

TEST_F(JoystickAdapter, SecondButtonIsSwitchTwoAndOtherButtonsAreNoSwitch)
{
    VirtualJoystick joystick;
    ASSERT_TRUE(joystick.ok()) << SDL_GetError();
    setup.look_for_adapters();
    setup.init_game_port();
    joystick.press(true, 2);
    EXPECT_EQ(setup.levels_now(5), (SwitchLevels{false, true}));
    EXPECT_EQ(poll_switch(ports, 5), 0);
    joystick.press(true, 1);
    EXPECT_EQ(setup.levels_now(5), (SwitchLevels{true, true}));
    joystick.press(false, 1);
    joystick.press(false, 2);
    joystick.press(true, 3);
    joystick.press(true, 4);
    EXPECT_EQ(setup.levels_now(5), SwitchLevels{});
}

TEST_F(JoystickAdapter, UnpluggedJoystickReadsReleasedAndIsTakenUpAgainWhenBack)
{
    auto joystick = std::make_unique<VirtualJoystick>();
    setup.look_for_adapters();
    setup.init_game_port();
    joystick->press(true);
    ASSERT_EQ(poll_switch(ports, g.InputDevice), 1);

    joystick.reset();
    EXPECT_EQ(poll_switch(ports, g.InputDevice), 0);
    EXPECT_EQ(poll_switch(ports, g.InputDevice), 0);
    EXPECT_TRUE(ports.take_problems().contains(QStringLiteral("still missing")));

    joystick = std::make_unique<VirtualJoystick>();
    joystick->press(true);
    poll_switch(ports, g.InputDevice);  // the first update finds and opens it
    EXPECT_EQ(poll_switch(ports, g.InputDevice), 1);
    setup.look_for_adapters();
    EXPECT_TRUE(setup.available(5));
}

}  // namespace
