// The real serial path on a pseudo-terminal, its modem lines answered by a
// double: switch 1 closes RTS to carrier detect, switch 2 RTS to clear to send.

#include "state/globvars.h"
#include "switch/platform_adapter_ports.h"
#include "switch/serial_line.h"
#include "switch/serial_port_order.h"
#include "switch/switch_adapter.h"
#include "switch/switch_setup.h"
#include "fakes/fake_clock.h"
#include "modem_line_double.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class SerialAdapter : public ::testing::Test {
protected:
    void SetUp() override
    {
        modem.lines = 0;
        modem.switchClosed = false;
        modem.switch2Closed = false;
        g.InputDevice = 1;
        // The adapter as the port list names it: through a symbolic link, as
        // /dev/serial/by-id does.
        link = dir.filePath(QStringLiteral("usb-switch-adapter"));
        ASSERT_TRUE(QFile::link(pty->slave, link));
        setup.look_for_adapters();  // as the menu window does when it is shown
    }
    void replug()
    {
        pty = std::make_unique<Pty>();
        QFile::remove(link);
        ASSERT_TRUE(QFile::link(pty->slave, link));
    }

    QTemporaryDir dir;
    std::unique_ptr<Pty> pty = std::make_unique<Pty>();
    QString link;
    FakeClock clock;
    PlatformAdapterPorts ports{clock, [this] { return QStringList{link}; }};
    SwitchSetup setup{ports};
    GlobVars g;
};

TEST_F(SerialAdapter, SetUpRaisesRtsDropsDtrAndTheSwitchReadsThroughCarrierDetect)
{
    EXPECT_TRUE(setup.available(1));
    EXPECT_FALSE(setup.available(2));
    EXPECT_EQ(setup.location(1), link);

    setup.init_com_adapter(1);
    EXPECT_EQ(ports.take_problems(), QString());
    EXPECT_EQ(modem.lines & (TIOCM_RTS | TIOCM_DTR), TIOCM_RTS);

    for (bool closed : {true, true, false, true, false}) {
        modem.switchClosed = closed;
        EXPECT_EQ(poll_switch(ports, g.InputDevice), closed ? 1 : 0);
    }
}

TEST_F(SerialAdapter, SecondSwitchReadsThroughClearToSendOnItsOwn)
{
    setup.init_com_adapter(1);
    const std::tuple<bool, bool, SwitchLevels> cases[] = {
        {false, true, {false, true}},
        {true, true, {true, true}},
        {true, false, {true, false}},
        {false, false, {false, false}},
    };
    for (const auto& [first, second, levels] : cases) {
        modem.switchClosed = first;
        modem.switch2Closed = second;
        EXPECT_EQ(setup.levels_now(1), levels) << first << second;
        EXPECT_EQ(poll_switch(ports, 1), first ? 1 : 0) << "switch 2 never reads as switch 1";
    }
    pty->hang_up();
    modem.switch2Closed = true;
    EXPECT_EQ(setup.levels_now(1), SwitchLevels{}) << "a lost adapter reads both switches released";
}

TEST(SerialLine, PermissionAdviceNamesTheGroupOfTheDeviceNode)
{
    QTemporaryDir dir;
    const QString node = dir.filePath(QStringLiteral("ttyUSB0"));
    QFile(node).open(QIODevice::WriteOnly);
    const QByteArray native = node.toLocal8Bit();
    ASSERT_EQ(::chown(native.constData(), uid_t(-1), 20), 0);
    EXPECT_EQ(device_group(node), QStringLiteral("dialout"));
    ASSERT_EQ(::chown(native.constData(), uid_t(-1), 5), 0);
    EXPECT_EQ(device_group(node), QStringLiteral("tty"));
    ASSERT_EQ(::chown(native.constData(), uid_t(-1), 0), 0);
    EXPECT_EQ(device_group(node), QStringLiteral("dialout")) << "never advise joining root's group";
}

TEST_F(SerialAdapter, UnpluggedAdapterReadsReleasedAndWorksAgainWhenPluggedBackIn)
{
    setup.init_com_adapter(1);
    modem.switchClosed = true;
    ASSERT_EQ(poll_switch(ports, g.InputDevice), 1);

    pty->hang_up();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(poll_switch(ports, g.InputDevice), 0) << "a lost adapter never reads as held";

    replug();
    modem.lines = 0;
    modem.switchClosed = true;
    clock.now += 500;
    EXPECT_EQ(poll_switch(ports, g.InputDevice), 0) << "not tried again within the second";
    EXPECT_EQ(modem.lines.load(), 0);
    clock.now += 600;
    EXPECT_EQ(poll_switch(ports, g.InputDevice), 1) << "opened again, RTS raised again";
    EXPECT_EQ(modem.lines & (TIOCM_RTS | TIOCM_DTR), TIOCM_RTS);

    const QString told = ports.take_problems();
    EXPECT_TRUE(told.contains(QStringLiteral("\"Adapter in COM 1\""))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("disconnected for a while"))) << told.toStdString();
    EXPECT_EQ(ports.take_problems(), QString()) << "told once";
}

TEST_F(SerialAdapter, PortHeldByAnotherProgramIsToldApartFromAMissingOne)
{
    setup.init_com_adapter(1);
    PlatformAdapterPorts other(clock, [this] { return QStringList{link}; });
    init_com_adapter(other, 1);
    const QString inUse = other.take_problems();
    EXPECT_TRUE(inUse.contains(QStringLiteral("in use by another program"))) << inUse.toStdString();
    GlobVars otherG;
    otherG.InputDevice = 1;
    modem.switchClosed = true;
    EXPECT_EQ(poll_switch(other, otherG.InputDevice), 0);

    PlatformAdapterPorts none(clock, [] { return QStringList{}; });
    init_com_adapter(none, 2);
    const QString missing = none.take_problems();
    EXPECT_TRUE(missing.contains(QStringLiteral("No serial port is connected for \"Adapter in COM 2\"")))
        << missing.toStdString();
}

TEST_F(SerialAdapter, PortThisUserMayNotOpenIsToldWithTheCommandThatAllowsIt)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root opens any port; CTest also runs this test as a normal user";
    const QByteArray node = pty->slave.toLocal8Bit();
    ASSERT_EQ(::chmod(node.constData(), 0), 0);
    setup.init_com_adapter(1);
    const QString told = ports.take_problems();
    EXPECT_TRUE(told.contains(QStringLiteral("may not be used by this user"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("sudo adduser "))) << told.toStdString();
    modem.switchClosed = true;
    EXPECT_EQ(poll_switch(ports, g.InputDevice), 0) << "a port that cannot be opened reads as released";
}

TEST(SerialPortOrder, UsbAdaptersComeFirstInNumberOrder)
{
    const QStringList found = {"/dev/ttyS1",   "/dev/ttyUSB10", "/dev/ttyS0",  "/dev/ttyUSB2",
                               "/dev/ttyACM1", "/dev/rfcomm0",  "/dev/ttyACM0"};
    EXPECT_EQ(order_serial_ports(found),
              (QStringList{"/dev/ttyACM0", "/dev/ttyACM1", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS0",
                           "/dev/ttyS1", "/dev/rfcomm0"}));
}

}  // namespace
