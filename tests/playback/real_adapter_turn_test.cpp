// The learner's turn on the real adapter code: serial adapters on
// pseudo-terminals whose modem lines a double answers (COM 1 to COM 4), and
// the game port on SDL's virtual joystick.

#include "playback/playback_fixture.h"
#include "switch/platform_adapter_ports.h"
#include "switch/switch_adapter.h"
#include "switch/switch_setup.h"
#include "switch/modem_line_double.h"

#include <QFile>
#include <QScopeGuard>
#include <SDL.h>

namespace {

class RealAdapterTurn : public PlaybackTest {
protected:
    void SetUp() override
    {
        PlaybackTest::SetUp();
        for (int n = 0; n < 4; ++n) {
            links << dir.filePath(QStringLiteral("usb-switch-adapter-%1").arg(n));
            ASSERT_TRUE(QFile::link(ptys[n].slave, links[n]));
        }
        set_port_io(&ports);
    }
    void TearDown() override
    {
        PlaybackTest::TearDown();
        set_port_io(nullptr);
    }

    Pty ptys[4];
    QStringList links;
    const SteadyClock steady;
    PlatformAdapterPorts ports{steady, [this] { return links; }};
    SwitchSetup setup{ports};
};

TEST_F(RealAdapterTurn, SerialAdapterOnEachComPortDrivesTheTurn)
{
    setup.look_for_adapters();  // as the menu window does when it is shown
    for (int16_t device = 1; device <= 4; ++device) {
        modem.lines = 0;
        g.InputDevice = device;
        g.CurrentClip = 0;
        playerCalls->clear();
        setup.init_com_adapter(device);  // as choosing the device does
        expectHeldSwitchTurn([](bool down) { modem.switchClosed = down; });
        EXPECT_EQ(ports.take_problems(), QString()) << "device " << device;
    }
}

TEST_F(RealAdapterTurn, JoystickButtonDrivesTheTurn)
{
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 0, 4, 0);
    SDL_Joystick* const joystick = SDL_JoystickOpen(index);
    ASSERT_NE(joystick, nullptr) << SDL_GetError();
    const auto unplug = qScopeGuard([&] {
        SDL_JoystickClose(joystick);
        SDL_JoystickDetachVirtual(index);
    });
    setup.look_for_adapters();
    ASSERT_TRUE(setup.available(5));
    g.InputDevice = 5;
    setup.init_game_port();
    expectHeldSwitchTurn([&](bool down) { SDL_JoystickSetVirtualButton(joystick, 0, down ? SDL_PRESSED : SDL_RELEASED); });
}

}  // namespace
