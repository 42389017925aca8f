// The learner's turn on the real adapter code: serial adapters on
// pseudo-terminals whose modem lines a double answers (COM 1 to COM 4), and
// the game port on SDL's virtual joystick.

#include "playback/playback_fixture.h"
#include "switch/platform_adapter_ports.h"
#include "switch/switch_adapter.h"
#include "switch/switch_setup.h"
#include "switch/modem_line_double.h"
#include "switch/virtual_joystick.h"

#include <QFile>
#include <SDL.h>
#include <array>
#include <memory>

namespace {

class RealAdapterTurn : public ClipTurnRows {
protected:
    void SetUp() override
    {
        PlaybackTest::SetUp();
        for (int n = 0; n < 4; ++n) {
            links << dir.filePath(QStringLiteral("usb-switch-adapter-%1").arg(n));
            ASSERT_TRUE(QFile::link(ptys[n]->slave, links[n]));
        }
        realPorts = &ports;
    }

    // The adapter is pulled out while the learner waits and again while the
    // clip plays, and put back each time: presses while it is out do nothing,
    // the clip plays on, and once it is back a fresh press takes the turn on.
    void expect_turn_through_unplugging(const std::function<void(bool)>& hold,
                                        const std::function<void()>& unplug,
                                        const std::function<void()>& replug);

    std::array<std::unique_ptr<Pty>, 4> ptys{std::make_unique<Pty>(), std::make_unique<Pty>(),
                                             std::make_unique<Pty>(), std::make_unique<Pty>()};
    QStringList links;
    const SteadyClock steady{};
    PlatformAdapterPorts ports{steady, [this] { return links; }};
    SwitchSetup setup{ports};
};

// Laid out by hand as a table.
// clang-format off
void RealAdapterTurn::expect_turn_through_unplugging(const std::function<void(bool)>& hold,
                                                  const std::function<void()>& unplug,
                                                  const std::function<void()>& replug)
{
    playerClipMs = 1500;
    learnerSwitch = hold;
    moreActs = {{"unplug", unplug}, {"replug", replug}};
    // Back in for 1300 ms, longer than the second the adapter code waits before it looks again.
    play({"out and back in each wait", true, {PressAndLetGo, 0},
          "1:unplug+down 1+400:up+replug 1+1300:down playing:up+unplug 2:replug 2+1300:down cross:up 1:esc", TurnEnd::Leave,
          "wait 1, press, click, started alpha, ended alpha, wait 2, press, cross, wait 1, leave", g.InputDevice, "open alpha.mpg"});
    EXPECT_FALSE(ports.take_problems().isEmpty()) << "the adult is told when the menu comes back";
}

TEST_F(RealAdapterTurn, SerialAdapterUnpluggedDuringTheWaitAndTheClip)
{
    setup.look_for_adapters();
    g.InputDevice = 1;
    setup.init_com_adapter(1);
    expect_turn_through_unplugging([](bool down) { modem.switchClosed = down; }, [this] { ptys[0]->hang_up(); },
                                [this] {
                                    ptys[0] = std::make_unique<Pty>();
                                    QFile::remove(links[0]);
                                    ASSERT_TRUE(QFile::link(ptys[0]->slave, links[0]));
                                });
}

TEST_F(RealAdapterTurn, SerialAdapterOnEachComPortDrivesTheTurn)
{
    setup.look_for_adapters();  // as the menu window does when it is shown
    for (int16_t device = 1; device <= 4; ++device) {
        modem.lines = 0;
        g.InputDevice = device;
        g.CurrentClip = 0;
        playerCalls->clear();
        setup.init_com_adapter(device);  // as choosing the device does
        expect_held_switch_turn([](bool down) { modem.switchClosed = down; });
        EXPECT_EQ(ports.take_problems(), QString()) << "device " << device;
    }
}

TEST_F(RealAdapterTurn, JoystickButtonDrivesTheTurn)
{
    VirtualJoystick joystick;
    ASSERT_TRUE(joystick.ok()) << SDL_GetError();
    setup.look_for_adapters();
    ASSERT_TRUE(setup.available(5));
    g.InputDevice = 5;
    setup.init_game_port();
    expect_held_switch_turn([&](bool down) { joystick.press(down); });
}

TEST_F(RealAdapterTurn, JoystickUnpluggedDuringTheWaitAndTheClip)
{
    std::unique_ptr<VirtualJoystick> joystick;
    const auto plug = [&] {
        joystick = std::make_unique<VirtualJoystick>();
        ASSERT_TRUE(joystick->ok()) << SDL_GetError();
    };
    plug();
    setup.look_for_adapters();
    g.InputDevice = 5;
    setup.init_game_port();
    expect_turn_through_unplugging([&](bool down) {
        if (joystick)
            joystick->press(down);
    }, [&] { joystick.reset(); }, plug);
}

}  // namespace
// clang-format on
