// The learner's and the adult's input during a run: the response wait with
// its cross and prompts, the keys, the mouse, the exit link and calibration.

#include "playback/calibration_bounds.h"
#include "playback/playback_fixture.h"
#include "playback/virtual_key.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>

namespace {

// Laid out by hand as a table.
// clang-format off
TEST_F(PlaybackTest, OnEveryAdapterASwitchHeldAtTheStartShowsTheCrossUntilReleased)
{
    for (int16_t device = 1; device <= 5; ++device) {
        g.InputDevice = device;
        g.CurrentClip = 0;
        playerCalls->clear();
        turn.lines.clear();
        expect_held_switch_turn([&](bool down) { ports.hold(device, down); });
    }
}

TEST_F(PlaybackTest, PromptsComeAtTheIntervalButNotWhileAKeyIsHeld)
{
    g.PromptInterval = 1;
    int firingsWhileHeld = 0;
    ASSERT_TRUE(run({
        {[&] { return in_wait(1) && sound.names().count("aobj_prs.wav") == 1; },
         [&] {
             EXPECT_EQ(prompt_timer().interval(), 1000);
             key(Qt::Key_X, Qt::NoModifier, false);  // held from now on
             QObject::connect(&prompt_timer(), &QTimer::timeout, [&] { ++firingsWhileHeld; });
         }},
        {[&] { return firingsWhileHeld == 1; },
         [&] {
             QKeyEvent up(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier);
             QApplication::sendEvent(window.data(), &up);
             key(Qt::Key_Escape);  // while X was held, Esc would not count
         }},
    }));
    EXPECT_EQ(sound.names().count("aobj_prs.wav"), 1) << sound.played.join(',').toStdString();
    EXPECT_FALSE((*playerCalls).contains("open alpha.mpg"));
}

TEST_F(PlaybackTest, KeyboardDeviceTakesSpaceAndTwoFromTheMainRowOnly)
{
    g.InputDevice = 7;
    ASSERT_TRUE(run({
        {[&] { return in_wait(1); },
         [&] {
             key(Qt::Key_2, Qt::KeypadModifier);  // keypad digits do nothing
             key(Qt::Key_Tab);                    // nor moves Tab the focus
         }},
        {[&] { return in_wait(1); }, [&] { key(Qt::Key_At, Qt::ShiftModifier); }},  // Shift+2
        {[&] { return in_wait(2); }, [&] { key(Qt::Key_Space); }},
        {[&] { return in_wait(1) && g.CurrentClip == 2; }, [&] { key(Qt::Key_Escape); }},
    }));
    EXPECT_EQ((*playerCalls), QStringList({"open alpha.mpg"}));
}

TEST_F(PlaybackTest, ExitLinkIgnoresSinglePressesAndLeavesOnADoubleClick)
{
    QRect link;
    int screenWidth = 0;
    ASSERT_TRUE(run({
        {[&] { return in_wait(1); },
         [&] {
             auto* label = window->findChild<QLabel*>("LabelExitLink");
             link = label->geometry();
             screenWidth = window->screen()->size().width();
             QTest::mouseClick(label, Qt::LeftButton);
         }},
        {[&] { return in_wait(1); },
         [&] { QTest::mouseDClick(window->findChild<QLabel*>("LabelExitLink"), Qt::LeftButton); }},
    }));
    EXPECT_EQ(g.CurrentClip, 1);
    EXPECT_FALSE((*playerCalls).contains("open alpha.mpg")) << "a press on the link is no response";
    EXPECT_EQ(link.top(), 0);
    EXPECT_EQ(link.right() + 1, screenWidth - 2) << "right edge 2 pixels from the screen's edge";
}

TEST_F(PlaybackTest, ADoubleClickIsTwoPressesForTheMouseDevice)
{
    ASSERT_TRUE(run({
        {[&] { return in_wait(1); }, [&] { click(&window->pictures().Background); }},
        {[&] { return in_wait(2); }, [&] { QTest::mouseDClick(&box("PicLast"), Qt::LeftButton); }},
        {[&] { return in_wait(1) && g.CurrentClip == 2; }, [&] { key(Qt::Key_Escape); }},
    }));
}

TEST_F(PlaybackTest, CalibrationDerivesBothCountsFromTheMeasuredDurations)
{
    g.PressCalibration = 0;
    g.WipeCalibration = 0;
    // The wipe reads a clock that did not move, measures again and takes
    // 2.5 s; the press takes 0.3 s.
    clock.readings = {7, 7, 10, 12.5, 20, 20.3};
    ASSERT_TRUE(run({{[&] { return in_wait(1); }, [&] { key(Qt::Key_Escape); }}}));
    EXPECT_EQ(g.WipeCalibration, 2000);
    EXPECT_EQ(g.PressCalibration, 16666);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "Flickerbox needs to calibrate the speed of your computer.\n"
                                        "This only needs to be done the very first time.");
    EXPECT_EQ(dialogs.messages[1].text, "Calibration complete.");
    EXPECT_EQ((*playerCalls).mid(0, 4), QStringList({"open timer.mpg", "play", "pause", "close"}));
}

TEST_F(PlaybackTest, CalibrationOfAnEndlesslySlowComputerStoresOne)
{
    g.PressCalibration = 0;
    clock.readings = {0, 6000, 0, 0, 0, 0, 0, 0};
    ASSERT_TRUE(run({{[&] { return in_wait(1); }, [&] { key(Qt::Key_Escape); }}}));
    EXPECT_EQ(g.WipeCalibration, 1);
    EXPECT_EQ(g.PressCalibration, 5000) << "a clock that never moves: as if the trial took one second";
}

TEST_F(PlaybackTest, ACalibrationThatSlippedThroughStillKeepsEachAnimationWithinAFewSeconds)
{
    g.PressCalibration = g.WipeCalibration = 2147483647;
    std::vector<double> counts;
    pace = [&](double count) { counts.push_back(count); };
    ASSERT_TRUE(run({{[&] { return in_wait(1); }, [&] { click(&window->pictures().Background); }},
                     {[&] { return in_wait(2); }, [&] { key(Qt::Key_Escape); }}}));
    // The label's wipe, one delay for each of its 120 columns, then the press's 70.
    ASSERT_EQ(counts.size(), 120u + 70u);
    EXPECT_LE(counts.front() * 120 * kill_time_seconds_per_pass(), LongestAnimationSeconds * 1.001);
    EXPECT_LE(counts.back() * 70 * kill_time_seconds_per_pass(), LongestAnimationSeconds * 1.001);
}

TEST(VirtualKey, DigitsCountByTheKeyNotTheCharacter)
{
    auto code = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return virtual_key_code(QKeyEvent(QEvent::KeyPress, key, modifiers));
    };
    EXPECT_EQ(code(Qt::Key_A, Qt::ShiftModifier), 'A');
    EXPECT_EQ(code(Qt::Key_Exclam, Qt::ShiftModifier), '1');
    EXPECT_EQ(code(Qt::Key_ParenRight, Qt::ShiftModifier), '0');
    EXPECT_EQ(code(Qt::Key_0, Qt::KeypadModifier), 0);
    EXPECT_EQ(code(Qt::Key_Escape), VkEscape);
    EXPECT_EQ(code(Qt::Key_F1), 0);
}

}  // namespace
// clang-format on
