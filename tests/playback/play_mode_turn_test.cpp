// The play modes in whole turns on fakes: a clip held on letting go and
// played on by a fresh press on every device and in both turns, and a held
// clip's skip, replay and Esc. Several presses: tests/e2e/play_mode_test.cpp.

#include "playback/playback_fixture.h"
#include "state/play_mode.h"

#include <QTest>

namespace {

class PlayModeTurn : public PlaybackTest {
protected:
    // The learner's switch on the device chosen, held down or let go.
    std::function<void(bool)> learner_switch()
    {
        const int16_t device = g.InputDevice;
        return [this, device](bool down) {
            QWidget* area = &window->pictures().Background;
            if (device == 6)
                return down ? QTest::mousePress(area, Qt::LeftButton)
                            : QTest::mouseRelease(area, Qt::LeftButton);
            if (device != 7)
                return ports.hold(device, down);
            QKeyEvent space(down ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
            QApplication::sendEvent(window.data(), &space);
        };
    }
};

TEST_F(PlayModeTurn, HoldModePausesOnLettingGoAndAFreshPressPlaysOnWithTheHand)
{
    g.PlayMode = PressAndHold;
    playerClipMs = 400;
    for (const bool stills : {true, false})
        for (const int16_t device : {6, 7, 2}) {
            SCOPED_TRACE((stills ? "stills, device " : "player's frames, device ") + std::to_string(device));
            version.reported =
                stills ? std::nullopt : std::optional(OsVersionInfo{5, 1, 2600, PlatformWin32Nt});
            g.InputDevice = device;
            g.CurrentClip = 0;
            playerCalls->clear();
            sound.played.clear();
            turn.lines.clear();
            const auto hold = learner_switch();
            int16_t stateWhilePaused = -1;
            int clicksWhilePaused = -1;
            ASSERT_TRUE(run({
                {[&] { return in_wait(1); }, [&] { hold(true); }},
                {[&] { return turn.saw("started alpha"); }, [&] { hold(false); }},
                {[&] { return in_wait(3); },
                 [&] {
                     stateWhilePaused = player->play_state();
                     clicksWhilePaused = int(sound.names().count("aobj_clk.wav"));
                     hold(true);
                 }},
                {[&] { return turn.saw("ended alpha"); }, [&] { hold(false); }},
                {[&] { return in_wait(2); }, [&] { key(Qt::Key_Escape); }},
            }));
            EXPECT_EQ(stateWhilePaused, VideoPlayer::Held);
            EXPECT_EQ(clicksWhilePaused, 1);
            EXPECT_EQ(sound.names().count("aobj_clk.wav"), 2) << "the press that plays on gets the hand";
            EXPECT_EQ(playerCalls->filter("hold here").size(), 1);
            EXPECT_EQ(playerCalls->last(), "play");
            EXPECT_EQ(turn.count("paused alpha"), 1);
            EXPECT_TRUE(turn.saw("ended alpha"));
        }
}

TEST_F(PlayModeTurn, AHeldKeysRepeatIsNotTakenForLettingGo)
{
    g.PlayMode = PressAndHold;
    g.InputDevice = 7;
    playerClipMs = 300;
    const auto send = [&](QEvent::Type type, bool repeat) {
        QKeyEvent space(type, Qt::Key_Space, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(window.data(), &space);
    };
    ASSERT_TRUE(run({
        {[&] { return in_wait(1); }, [&] { send(QEvent::KeyPress, false); }},
        {[&] { return turn.saw("started alpha"); },
         [&] {
             // The repeat's release alone in one read, its press in the next.
             send(QEvent::KeyRelease, false);
             QTimer::singleShot(0, [&] { send(QEvent::KeyPress, true); });
         }},
        {[&] { return turn.saw("ended alpha"); },
         [&] {
             send(QEvent::KeyRelease, false);
             key(Qt::Key_Escape);
         }},
    }));
    EXPECT_EQ(turn.count("paused alpha"), 0);
}

TEST_F(PlayModeTurn, TimedClipHeldTakesSkipReplayAndEscButNoPressWhilePlaying)
{
    g.PlayMode = TimedPlay;
    g.PlayModeNumber = 2;
    g.ScreenSize = 3;
    playerClipMs = 5000;
    QSize areaAfterSkip;
    const auto press = [&] { click(&window->pictures().Background); };
    const auto started = [&](const char* clip, int times) {
        return [&, clip, times] { return turn.count(QStringLiteral("started ") + clip) == times; };
    };
    const auto timeIsUp = [&] { clock.now += 2000; };
    ASSERT_TRUE(run({
        {[&] { return in_wait(1); }, press},
        {started("alpha", 1),
         [&] {
             press();  // while it plays: not kept for later
             timeIsUp();
         }},
        {[&] { return in_wait(3); }, [&] { key(Qt::Key_A); }},
        {[&] { return in_wait(1); },
         [&] {
             areaAfterSkip = window->pictures().Background.picture().image().size();
             press();
         }},
        {started("beta", 1), timeIsUp},
        {[&] { return in_wait(3); }, [&] { key(Qt::Key_R); }},
        {[&] { return in_wait(1); }, press},
        {started("beta", 2), timeIsUp},
        {[&] { return in_wait(3); }, [&] { key(Qt::Key_Escape); }},
    }));
    EXPECT_EQ(turn.lines.filter("ended").size(), 0) << "no clip played to its end";
    EXPECT_EQ(turn.count("ignored 0"), 1);
    EXPECT_EQ(areaAfterSkip, QSize(640, 480)) << "the normal layout is back after a skip at full screen";
    EXPECT_TRUE(left);
}

TEST_F(PlayModeTurn, HoldModeASwitchHeldWhenTheWaitBeginsStartsTheClip)
{
    // Held on from the press that ends alpha, through beta's label and name.
    g.PlayMode = PressAndHold;
    playerClipMs = 200;
    for (const int16_t device : {7, 2})
        for (const int16_t acceptanceMs : {0, 150}) {
            SCOPED_TRACE("device " + std::to_string(device) + ", acceptance " + std::to_string(acceptanceMs));
            g.InputDevice = device;
            g.AcceptanceTime = acceptanceMs;
            g.CurrentClip = 0;
            turn.lines.clear();
            const auto hold = learner_switch();
            // The held switch is seen on the clock as it stands, then held long enough.
            const auto accept = [&] { QTimer::singleShot(20, [&] { clock.now += acceptanceMs + 10; }); };
            bool startedBeforeAcceptance = false;
            const bool ran = run({
                {[&] { return in_wait(1); }, [&] { hold(true), accept(); }},
                {[&] { return turn.saw("started alpha"); }, [&] { hold(false); }},
                {[&] { return in_wait(3); }, [&] { hold(true), accept(); }},
                // Let go of after the clip's end (the cross asks for it when
                // the switch is held in on an acceptance time), then pressed on.
                {[&] { return in_wait(2) || turn.saw("cross"); }, [&] { hold(false); }},
                {[&] { return in_wait(2); }, [&] { hold(true), accept(); }},
                {[&] { return in_wait(1) || turn.saw("started beta"); },
                 [&] {
                     startedBeforeAcceptance = turn.saw("started beta");
                     accept();
                 }},
                {[&] { return turn.saw("started beta"); }, [&] { hold(false); }},
                {[&] { return in_wait(3) && turn.saw("paused beta"); }, [&] { key(Qt::Key_Escape); }},
            });
            ASSERT_TRUE(ran) << turn.lines.join(" / ").toStdString();
            EXPECT_EQ(turn.count("press held from before the cue"), 1)
                << turn.lines.join(" / ").toStdString();
            EXPECT_EQ(startedBeforeAcceptance, acceptanceMs == 0);
        }
}

}  // namespace
