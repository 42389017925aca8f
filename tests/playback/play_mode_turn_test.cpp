// The play modes in whole turns on fakes: a clip held on letting go and
// played on by a fresh press, a clip that plays a few seconds a press, and
// a clip that needs several presses, with skip, replay and Esc meanwhile.

#include "playback/playback_fixture.h"
#include "playback/progress_sign.h"
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

TEST_F(PlayModeTurn, SeveralPressesFillOneMarkEachAndTheClipStartsAtTheLast)
{
    g.PlayMode = SeveralPresses;
    g.PlayModeNumber = 3;
    for (const int16_t kind : {1, 2}) {
        SCOPED_TRACE(kind == 1 ? "TV set" : "theater");
        g.BackgroundKind = kind;
        g.CurrentClip = 0;
        playerCalls->clear();
        sound.played.clear();
        // How many marks the sign on screen has filled; -1 when there is none.
        const auto marks_filled = [&] {
            const auto centre = [&](int i) {
                return QColor(background_pixel(progress_mark(kind, i, 3).center().x(),
                                               progress_mark(kind, i, 3).center().y()));
            };
            if (centre(0) != QColor(255, 200, 0) && centre(0) != QColor(30, 30, 30))
                return -1;
            int made = 0;
            while (made < 3 && centre(made) == QColor(255, 200, 0))
                ++made;
            return made;
        };
        std::vector<int> filled;
        std::vector<bool> opened;
        const auto press = [&] {
            filled.push_back(marks_filled());
            opened.push_back(playerCalls->contains("open alpha.mpg"));
            click(&window->pictures().Background);
        };
        const auto clicks = [&](int n) {
            return [&, n] { return in_wait(1) && sound.names().count("aobj_clk.wav") == n; };
        };
        ASSERT_TRUE(run({
            {clicks(0), press},
            {clicks(1), press},
            {clicks(2), press},
            {[&] { return in_wait(2); },
             [&] {
                 filled.push_back(marks_filled());
                 key(Qt::Key_Escape);
             }},
        }));
        EXPECT_EQ(filled, std::vector<int>({0, 1, 2, -1})) << "the sign goes once the clip starts";
        EXPECT_EQ(opened, std::vector<bool>({false, false, false}));
        EXPECT_EQ(sound.names().count("aobj_clk.wav"), 3);
        EXPECT_EQ(playerCalls->filter("open").size(), 1);
    }
}

}  // namespace
