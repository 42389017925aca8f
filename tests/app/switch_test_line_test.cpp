// The adult's side of the switch adapters in the menu window: items available
// as adapters come and go, faults told on showing, the live switch test and
// the timing dialog.

#include "app/banner_window.h"
#include "app/menu_tree.h"
#include "app/switch_test_line.h"
#include "state/globvars.h"
#include "switch/switch_setup.h"
#include "fakes/fake_services.h"
#include "support/wait_until.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SwitchTestLineTest : public ::testing::Test, protected FakeServices {
protected:
    SwitchTestLineTest()
    {
        g.InputDevice = 7;
        g.CategoryEnabled.fill(1);
        g.ProgramFolder = g.DataFolder = QStringLiteral("/nonexistent/");
    }
    QAction* item(const char* name) { return menu_action(*banner.menuBar(), QLatin1String(name)); }
    SwitchTestLine* line() { return banner.findChild<SwitchTestLine*>(); }
    void show_banner()
    {
        banner.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&banner));
    }

    GlobVars g;
    Banner banner{g, services()};
};

TEST_F(SwitchTestLineTest, AdapterItemsFollowThePortsFoundAtEachShowing)
{
    ports.locations = {{2, QStringLiteral("/dev/ttyUSB0")}};
    ports.problems = QStringLiteral("The switch adapter was disconnected for a while.");
    show_banner();
    EXPECT_TRUE(item("dev2")->isEnabled());
    EXPECT_FALSE(item("dev1")->isEnabled());
    EXPECT_FALSE(item("dev5")->isEnabled());
    EXPECT_EQ(item("dev2")->statusTip(), QStringLiteral("Uses /dev/ttyUSB0"));
    EXPECT_EQ(item("dev2")->text(), QStringLiteral("Adapter in COM 2")) << "captions stay as they are";
    ASSERT_TRUE(wait_until([&] { return !dialogs.messages.empty(); }, 2000));
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("The switch adapter was disconnected for a while."));

    banner.hide();
    ports.locations = {{5, QStringLiteral("Adaptive Controller")}};
    banner.show();
    EXPECT_FALSE(item("dev2")->isEnabled());
    EXPECT_TRUE(item("dev5")->isEnabled());
}

TEST_F(SwitchTestLineTest, SpaceBarTestShowsThePressAndClicksNothing)
{
    show_banner();
    auto* start = banner.findChild<QPushButton*>(QStringLiteral("StartButton"));
    ASSERT_TRUE(wait_until([&] { return start->isVisible(); }, 2000));
    start->setFocus();
    QSignalSpy clicks(start, &QPushButton::clicked);
    EXPECT_TRUE(line()->text().contains(QStringLiteral("Keyboard Space Bar")));

    QTest::keyPress(start, Qt::Key_Space);
    EXPECT_TRUE(line()->shows_pressed());
    QTest::keyRelease(start, Qt::Key_Space);
    EXPECT_FALSE(line()->shows_pressed());
    EXPECT_EQ(clicks.count(), 0) << "holding space must not start playback";

    QTest::keyPress(start, Qt::Key_Return);
    EXPECT_TRUE(line()->shows_pressed(2)) << "Enter is switch 2";
    EXPECT_FALSE(line()->shows_pressed(1));
    QTest::keyRelease(start, Qt::Key_Return);
    EXPECT_FALSE(line()->shows_pressed(2));
    EXPECT_EQ(clicks.count(), 0) << "Enter as switch 2 must not start playback either";

    g.InputDevice = 6;  // the space bar is not the switch: it works on buttons again
    QTest::keyClick(start, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
    banner.hide();
}

TEST_F(SwitchTestLineTest, DwellFillsWhileThePointerRestsOnTheLine)
{
    g.InputDevice = 6;
    g.PointerDwell = 1;
    g.DwellTime = 500;
    show_banner();
    EXPECT_TRUE(line()->text().contains(QStringLiteral("Pointer Dwell (Head or Eye Pointer), 0.5 s")))
        << line()->text().toStdString();
    const QPoint rest(40, line()->height() / 2);
    QTest::mouseMove(line(), rest);
    EXPECT_TRUE(wait_until([&] { return line()->shows_dwell() > 0.2; }, 1000));
    EXPECT_FALSE(line()->shows_pressed());
    QTest::mouseMove(line(), rest + QPoint(5, 2));  // jitter: the dwell goes on
    EXPECT_TRUE(wait_until([&] { return line()->shows_pressed(); }, 1000));
    EXPECT_EQ(line()->shows_dwell(), 0.0);
    QTest::qWait(700);
    EXPECT_TRUE(line()->shows_pressed()) << "no second dwell without moving on";
    EXPECT_EQ(line()->shows_dwell(), 0.0);
    banner.hide();
}

TEST_F(SwitchTestLineTest, AdapterSwitchShowsLiveWithItsPort)
{
    g.InputDevice = 1;
    ports.locations = {{1, QStringLiteral("/dev/ttyACM0")}};
    show_banner();
    EXPECT_TRUE(line()->text().contains(QStringLiteral("Adapter in COM 1 on /dev/ttyACM0")));
    ports.bytes[0x3FE] = 0x80;
    EXPECT_TRUE(wait_until([&] { return line()->shows_pressed(); }, 1000));
    ports.bytes[0x3FE] = 0x00;
    EXPECT_TRUE(wait_until([&] { return !line()->shows_pressed(); }, 1000));

    banner.hide();
    const int reads = ports.reads;
    QTest::qWait(100);
    EXPECT_EQ(ports.reads, reads) << "the menu window does not poll while it is hidden";
}

}  // namespace
