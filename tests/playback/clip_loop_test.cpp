// The run from the outside: which clip comes next, what each turn shows, and
// every way a turn or the run ends.

#include "playback/playback_fixture.h"

#include "media/blit.h"

#include <QFile>
#include <QScreen>
#include <set>

namespace {

// Laid out by hand as a table.
// clang-format off
TEST_F(PlaybackTest, StillTurnShowsFirstStillAndLabelThenPlaysAndLeavesTheLastStill)
{
    bool firstStillInFront = false, labelShown = false, lastStillInFront = false;
    ASSERT_TRUE(run({
        {[&] { return in_wait(1); },
         [&] {
             firstStillInFront = frontmost() == &box("PicFirst") && box("PicFirst").pos() == QPoint(144, 220)
                                 && box("PicFirst").picture().image().pixelColor(10, 10) == first_colour(1);
             labelShown = qAbs(qBlue(background_pixel(540, 65)) - label_colour(1).blue()) < 8
                          && qAbs(qGreen(background_pixel(540, 65)) - label_colour(1).green()) < 8;
             click(&window->pictures().Background);
         }},
        {[&] { return in_wait(2); },
         [&] {
             lastStillInFront = frontmost() == &box("PicLast")
                                && box("PicLast").picture().image().pixelColor(10, 10) == last_colour(1);
             key(Qt::Key_Escape);
         }},
    }));
    EXPECT_TRUE(firstStillInFront);
    EXPECT_TRUE(labelShown);
    EXPECT_TRUE(lastStillInFront);
    EXPECT_EQ(sound.names(), QStringList({"alpha.wav", "aobj_clk.wav"}));
    EXPECT_EQ((*playerCalls), QStringList({"open alpha.mpg"}));
    EXPECT_EQ(g.CurrentClip, 1);
    EXPECT_TRUE(left);
    EXPECT_EQ(leaveMessage, "");
}

TEST_F(PlaybackTest, FirstClipFollowsTheStoredOneAndAnyIndexOutsideTheListStartsAgainAtOne)
{
    const struct {
        int16_t stored;
        int16_t expected;
    } cases[] = {{0, 1}, {1, 2}, {3, 1}, {5, 1}, {-4, 1}, {32767, 1}};
    for (const auto& c : cases) {
        g.CurrentClip = c.stored;
        int16_t presented = 0;
        ASSERT_TRUE(run({{[&] { return in_wait(1); }, [&] {
                              presented = g.CurrentClip;
                              key(Qt::Key_Escape);
                          }}}));
        EXPECT_EQ(presented, c.expected) << "stored " << c.stored;
    }
}

TEST_F(PlaybackTest, SkipLeavesTheClipUnplayedAndReplayRepeatsItOnlyAfterTheClip)
{
    std::vector<int16_t> clips;
    ASSERT_TRUE(run({
        {[&] { return in_wait(1); }, [&] { key(Qt::Key_R); }},  // no replay before the clip
        {[&] { return in_wait(1); }, [&] { key(Qt::Key_A); }},
        {[&] { return in_wait(1) && g.CurrentClip == 2; },
         [&] {
             clips.push_back(g.CurrentClip);
             click(&window->pictures().Background);
         }},
        {[&] { return in_wait(2); }, [&] { key(Qt::Key_1); }},
        {[&] { return in_wait(1); },
         [&] {
             clips.push_back(g.CurrentClip);
             key(Qt::Key_Escape);
         }},
    }));
    EXPECT_EQ(clips, (std::vector<int16_t>{2, 2}));
    EXPECT_FALSE((*playerCalls).contains("open alpha.mpg")) << "the skipped clip never plays";
    EXPECT_EQ((*playerCalls).count("open beta.mpg"), 1);
}

TEST_F(PlaybackTest, EscDuringAFullScreenClipStopsItAndLeavesWithoutTheSecondWait)
{
    g.ScreenSize = 3;
    playerClipMs = 60000;
    QRect areaDuringClip, screen;
    ASSERT_TRUE(run({
        {[&] { return in_wait(1); }, [&] { click(&window->pictures().Background); }},
        {[&] { return player && player->play_state() == VideoPlayer::Playing; },
         [&] {
             areaDuringClip = window->pictures().Background.geometry();
             screen = QRect(QPoint(0, 0), window->screen()->size());
             key(Qt::Key_Escape);
         }},
    }));
    EXPECT_EQ(areaDuringClip, screen);
    EXPECT_EQ((*playerCalls), QStringList({"open alpha.mpg", "stop", "close"}));
    EXPECT_EQ(sound.names(), QStringList({"alpha.wav", "aobj_clk.wav"}));
    EXPECT_TRUE(left);
}

TEST_F(PlaybackTest, MidSizedClipFillsTheDrawingAreaAndTheNormalLayoutComesBack)
{
    g.ScreenSize = 2;
    QRect playerArea, afterArea;
    ASSERT_TRUE(run({
        {[&] { return in_wait(1); }, [&] { click(&window->pictures().Background); }},
        {[&] { return player && player->play_state() == VideoPlayer::Playing; },
         [&] { playerArea = widget("picMp1").geometry(); }},
        {[&] { return in_wait(2); },
         [&] {
             afterArea = widget("picMp1").geometry();
             key(Qt::Key_Escape);
         }},
    }));
    EXPECT_EQ(playerArea, QRect(0, 0, 640, 480));
    EXPECT_EQ(afterArea, QRect(144, 220, 352, 240));
}

TEST_F(PlaybackTest, PlayerTurnOpensEarlyHoldsTheFirstFrameAndPlaysOnThePress)
{
    version.reported = OsVersionInfo{5, 1, 2600, PlatformWin32Nt};
    g.BackgroundKind = 2;
    QStringList callsInFirstWait;
    bool stillShown = true, auto_start = true;
    ASSERT_TRUE(run({
        {[&] { return in_wait(1); },
         [&] {
             callsInFirstWait = (*playerCalls);
             stillShown = box("PicFirst").isVisible();
             auto_start = player->auto_start();
             click(&window->pictures().Background);
         }},
        {[&] { return in_wait(2); }, [&] { key(Qt::Key_Escape); }},
    }));
    EXPECT_EQ(callsInFirstWait, QStringList({"open alpha.mpg", "play", "pause"}));
    EXPECT_EQ((*playerCalls), QStringList({"open alpha.mpg", "play", "pause", "play"}));
    EXPECT_FALSE(auto_start);
    EXPECT_FALSE(stillShown) << "no stills in this turn";
}

TEST_F(PlaybackTest, ClipsWithMissingFilesAreLeftOutAndTheAdultIsToldOnce)
{
    QFile::remove(g.MediaFolder + "beta_last.jpg");
    QFile::remove(g.MediaFolder + "beta.wav");
    std::vector<int16_t> clips;
    auto respond = [&] {
        clips.push_back(g.CurrentClip);
        click(&window->pictures().Background);
    };
    ASSERT_TRUE(run({
        {[&] { return in_wait(1); }, respond},
        {[&] { return in_wait(2); }, respond},
        {[&] { return in_wait(1) && g.CurrentClip != 1; }, [&] {
             clips.push_back(g.CurrentClip);
             key(Qt::Key_Escape);
         }},
    }));
    EXPECT_EQ(clips, (std::vector<int16_t>{1, 1, 3}));
    EXPECT_TRUE(leaveMessage.contains("beta: beta.wav, beta_last.jpg")) << leaveMessage.toStdString();
    EXPECT_EQ(leaveMessage.count("beta"), 3);
}

// The stills turn learns of it after the press, at full screen, and must give
// back the normal layout; the player's turn learns of it before its first wait.
TEST_F(PlaybackTest, AClipThePlayerCannotShowIsLeftOutWithTheReasonAndTheRunGoesOn)
{
    for (const bool playerTurn : {false, true}) {
        SCOPED_TRACE(playerTurn ? "the player's turn" : "the stills turn at full screen");
        SetUp();
        turn.lines.clear();
        if (playerTurn)
            version.reported = OsVersionInfo{5, 1, 2600, PlatformWin32Nt};
        else
            g.ScreenSize = 3;
        *playerFailures = {{"beta.mpg", "it is not a video the player can open"}};
        std::set<std::pair<int, int>> waits;  // clip, phase
        std::map<int, QPoint> areaInFirstWait;  // Background's place, by clip
        ASSERT_TRUE(run({{[&] {
                              if (!in_wait(1) && !in_wait(2))
                                  return false;
                              waits.insert({g.CurrentClip, turn.awaiting});
                              if (turn.awaiting == 1)
                                  areaInFirstWait[g.CurrentClip] = window->pictures().Background.pos();
                              if (g.CurrentClip == 3)
                                  return true;
                              click(&window->pictures().Background);
                              return false;
                          },
                          [&] { key(Qt::Key_Escape); }}}));
        EXPECT_FALSE(waits.count({2, 2})) << "the clip that could not be shown had its second wait";
        EXPECT_EQ(playerTurn, !waits.count({2, 1})) << "only the player's turn knows before the first wait";
        EXPECT_EQ(areaInFirstWait[3], areaInFirstWait[1]) << "the normal layout did not come back";
        EXPECT_TRUE(leaveMessage.contains("beta: beta.mpg (it is not a video the player can open)"))
            << leaveMessage.toStdString();
        EXPECT_TRUE(turn.saw("left out beta: beta.mpg (it is not a video the player can open)"))
            << turn.lines.join(u'\n').toStdString();
        EXPECT_FALSE(turn.saw("ended beta")) << "a clip the player gave up was told as ended";
        TearDown();
    }
}

TEST_F(PlaybackTest, WhenNoClipCanBeShownTheRunEndsAtOnceWithTheReason)
{
    for (const char* clip : {"alpha", "beta", "gamma"})
        QFile::remove(g.MediaFolder + clip + QString(".mpg"));
    ASSERT_TRUE(run({}));
    EXPECT_TRUE(leaveMessage.contains("gamma: gamma.mpg")) << leaveMessage.toStdString();
    EXPECT_EQ((*playerCalls), QStringList());
}

TEST_F(PlaybackTest, AMissingProgramFileStopsTheRunBeforeAnythingIsShown)
{
    QFile::remove(g.DataFolder + "aobj_hnd.jpg");
    ASSERT_TRUE(run({}));
    EXPECT_TRUE(leaveMessage.contains(g.DataFolder + "aobj_hnd.jpg")) << leaveMessage.toStdString();
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(PlaybackTest, ACloseRequestLeavesThroughTheRunNeverUnderIt)
{
    bool aliveAfterClose = false;
    ASSERT_TRUE(run({{[&] { return in_wait(1); }, [&] {
                          window->close();
                          aliveAfterClose = !window.isNull() && !turn.lines.last().startsWith("left");
                      }}}));
    EXPECT_TRUE(aliveAfterClose);
    EXPECT_TRUE(left);
}

}  // namespace
// clang-format on
