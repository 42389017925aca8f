// The libmpv clip player against real MPEG-1 clips made in the test: play
// states, the exact first-frame hold, opening unstarted, halting and closing,
// bad files, replacement of one clip by the next, long runs of clips, the
// first-frame signal, sizing with kept proportions, and the mouse and focus
// signals of the picture area.
#include "media/media_fixtures.h"
#include "media/mpv_player.h"
#include "support/wait_until.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// Generous bounds: the machine may be busy; they only keep a fault from hanging.
constexpr int StateTimeoutMs = 15000;
constexpr int ShortLastFrame = 24;

// Every clip is numbered (see media_fixtures.h), so a shown frame tells which it is.
struct Clips {
    QTemporaryDir dir;
    QString short352;  // 1 s, 25 frames
    QString long352;  // 3 s
    QString brief;  // 8 frames
    QString briefToo;
    QString lateStart;  // 2 s, written by mjpegtools
    QString broken;
};

Clips* clips = nullptr;

class MpvPlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        clips = new Clips;
        const struct {
            QString* path;
            const char* name;
            double seconds;
            ClipEncoder encoder;
        } made[] = {
            {&clips->short352, "short.mpg", 1.0, ClipEncoder::Ffmpeg},
            {&clips->long352, "long.mpg", 3.0, ClipEncoder::Ffmpeg},
            {&clips->brief, "brief.mpg", 0.32, ClipEncoder::Ffmpeg},
            {&clips->briefToo, "brief-too.mpg", 0.32, ClipEncoder::Ffmpeg},
            {&clips->lateStart, "late-start.mpg", 2.0, ClipEncoder::Mjpegtools},
        };
        for (const auto& clip : made) {
            *clip.path = clips->dir.filePath(clip.name);
            ASSERT_TRUE(make_numbered_clip(*clip.path, clip.seconds, clip.encoder)) << clip.name;
        }
        clips->broken = clips->dir.filePath("broken.mpg");
        QFile broken(clips->broken);
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        for (int i = 0; i < 2000; ++i)
            broken.write(QByteArray::number(i * 7919 % 65521, 16));
        broken.close();
    }
    static void TearDownTestSuite()
    {
        delete clips;
        clips = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(clips, nullptr);
        container.resize(800, 600);
        player = std::make_unique<MpvPlayer>(&container);
        player->resize(352, 240);
    }

    int shown_frame() const { return frame_number(player->current_frame()); }
    bool shows_frame0() const { return shown_frame() == 0; }
    bool shows_black() const
    {
        const QImage frame = player->current_frame();
        return frame.isNull()
            || (shown_frame() < 0 && colour_distance(centre_colour(frame), qRgb(0, 0, 0)) <= 8);
    }
    bool state_becomes(int16_t state, int timeoutMs = StateTimeoutMs)
    {
        return wait_until([&] { return player->play_state() == state; }, timeoutMs);
    }
    // Lets the player run for a while, whatever it does.
    void idle(int ms)
    {
        wait_until([] { return false; }, ms);
    }

    QWidget container;
    std::unique_ptr<MpvPlayer> player;
};

TEST_F(MpvPlayerTest, AutoStartWaitsThenPlaysThenEndsOnTheLastFrame)
{
    player->set_file_name(clips->short352);
    const int16_t first = player->play_state();
    EXPECT_TRUE(first == VideoPlayer::Waiting || first == VideoPlayer::Playing) << first;
    ASSERT_TRUE(state_becomes(VideoPlayer::Playing));
    ASSERT_TRUE(state_becomes(VideoPlayer::Stopped));
    EXPECT_GT(player->frames_shown(), 5);
    // The ended clip keeps its last picture.
    EXPECT_EQ(shown_frame(), ShortLastFrame);
}

TEST_F(MpvPlayerTest, FramesMadeWhileTheInterfaceIsBusyDoNotPileUp)
{
    player->set_file_name(clips->long352);
    ASSERT_TRUE(state_becomes(VideoPlayer::Playing));
    ASSERT_TRUE(wait_until([&] { return player->frames_shown() > 0; }, StateTimeoutMs));
    // A second at 25 frames a second is rendered while no event is handled;
    // once events run again only the newest of them is worth painting.
    QTest::qSleep(1000);
    const int before = player->frames_shown();
    QCoreApplication::processEvents();
    EXPECT_LE(player->frames_shown() - before, 2);
}

TEST_F(MpvPlayerTest, OpenedUnstartedThenPlayAndHoldShowsFrameOneExactly)
{
    player->set_auto_start(false);
    player->set_file_name(clips->short352);
    // An unstarted clip shows its first picture and stays on it.
    ASSERT_TRUE(wait_until([&] { return shows_frame0(); }, StateTimeoutMs));
    idle(800);
    EXPECT_TRUE(shows_frame0()) << "an unstarted clip moved on";
    EXPECT_EQ(player->play_state(), VideoPlayer::Stopped);

    player->play();
    player->pause();
    EXPECT_EQ(player->play_state(), VideoPlayer::Held);
    ASSERT_TRUE(wait_until([&] { return shows_frame0(); }, StateTimeoutMs));
    idle(800);
    EXPECT_TRUE(shows_frame0()) << "the hold did not stay on frame 1";
    EXPECT_EQ(player->play_state(), VideoPlayer::Held);

    // Play resumes from the held frame: playing at once, then on to the end.
    player->play();
    EXPECT_EQ(player->play_state(), VideoPlayer::Playing);
    ASSERT_TRUE(wait_until([&] { return !shows_frame0(); }, StateTimeoutMs));
    EXPECT_TRUE(state_becomes(VideoPlayer::Stopped));
}

TEST_F(MpvPlayerTest, HoldRightAfterAnAutoStartedOpenShowsFrameOne)
{
    player->set_file_name(clips->long352);
    player->play();
    player->pause();
    ASSERT_TRUE(wait_until([&] { return shows_frame0(); }, StateTimeoutMs));
    idle(800);
    EXPECT_TRUE(shows_frame0());
    EXPECT_EQ(player->play_state(), VideoPlayer::Held);
}

TEST_F(MpvPlayerTest, HoldAfterPlaybackHasBegunAlsoReturnsToFrameOne)
{
    player->set_file_name(clips->long352);
    ASSERT_TRUE(state_becomes(VideoPlayer::Playing));
    ASSERT_TRUE(wait_until([&] { return player->frames_shown() > 5 && !shows_frame0(); }, StateTimeoutMs));
    player->play();
    player->pause();
    ASSERT_TRUE(wait_until([&] { return shows_frame0(); }, StateTimeoutMs));
}

// Clips whose stream starts late, in groups of 12 pictures: a seek to the
// start has to reach back before the first key frame, or the hold lands on
// frame 13 and playing on skips the first group.
TEST_F(MpvPlayerTest, HoldAfterOpeningShowsFrameOneAlsoWhenTheStreamStartsLate)
{
    for (const bool auto_start : {false, true}) {
        SCOPED_TRACE(auto_start ? "opened playing" : "opened unstarted");
        player->set_auto_start(auto_start);
        player->set_file_name(clips->lateStart);
        idle(600);  // the cycle's own steps run between opening and the hold
        player->play();
        player->pause();
        ASSERT_TRUE(wait_until([&] { return shown_frame() == 0; }, StateTimeoutMs))
            << "held on frame " << shown_frame();
        idle(500);
        EXPECT_EQ(shown_frame(), 0);

        int firstAfterHold = -1;
        player->play();
        ASSERT_TRUE(wait_until(
            [&] {
                const int shown = shown_frame();
                if (firstAfterHold < 0 && shown > 0)
                    firstAfterHold = shown;
                return shown >= 14;
            },
            StateTimeoutMs));
        EXPECT_LT(firstAfterHold, 12) << "playing on skipped the first group of pictures";
    }
}

// With keep-open an ended clip pauses itself; that pause once carried over to
// the clip given next, which then froze on its first frame.
TEST_F(MpvPlayerTest, EveryOneOfAHundredClipsGivenAfterTheOneBeforeEndedPlaysToItsEnd)
{
    constexpr int LastFrame = 7;
    const QString pair[] = {clips->brief, clips->briefToo};
    for (int clip = 0; clip < 100; ++clip) {
        player->set_file_name(pair[clip % 2]);
        ASSERT_TRUE(wait_until(
            [&] { return player->play_state() == VideoPlayer::Stopped && shown_frame() == LastFrame; }, 5000))
            << "clip " << clip << " stuck in state " << player->play_state() << " on frame " << shown_frame();
    }
}

TEST_F(MpvPlayerTest, FirstFrameShownComesOncePerClipWhenItsOwnPictureIsInTheArea)
{
    std::vector<int> frameAtSignal;
    QObject::connect(player.get(), &VideoPlayer::first_frame_shown,
                     [&] { frameAtSignal.push_back(shown_frame()); });
    player->set_auto_start(false);
    player->set_file_name(clips->brief);
    ASSERT_TRUE(wait_until([&] { return !frameAtSignal.empty(); }, StateTimeoutMs));
    EXPECT_EQ(frameAtSignal[0], 0);
    // Neither the hold's return to frame 1 nor playing to the end is a new first frame.
    player->play();
    player->pause();
    idle(300);
    player->play();
    ASSERT_TRUE(state_becomes(VideoPlayer::Stopped));
    player->set_file_name(clips->broken);
    ASSERT_TRUE(state_becomes(VideoPlayer::Stopped));
    idle(300);
    EXPECT_EQ(frameAtSignal.size(), 1u);

    // The next clip, started at once: its own early frame, never black or the
    // last frame of the clip before.
    player->set_auto_start(true);
    player->set_file_name(clips->briefToo);
    ASSERT_TRUE(wait_until([&] { return frameAtSignal.size() == 2; }, StateTimeoutMs));
    EXPECT_GE(frameAtSignal[1], 0);
    EXPECT_LE(frameAtSignal[1], 2);
    ASSERT_TRUE(state_becomes(VideoPlayer::Stopped));
    EXPECT_EQ(frameAtSignal.size(), 2u);
}

TEST_F(MpvPlayerTest, HaltThenCloseEndsTheClipAndBlanksTheArea)
{
    player->set_file_name(clips->long352);
    ASSERT_TRUE(state_becomes(VideoPlayer::Playing));
    player->stop();
    EXPECT_EQ(player->play_state(), VideoPlayer::Stopped);
    player->set_file_name(QString());
    EXPECT_EQ(player->play_state(), VideoPlayer::Stopped);
    EXPECT_TRUE(player->file_name().isEmpty());
    idle(500);
    EXPECT_TRUE(shows_black()) << "a closed player still shows a picture";
    EXPECT_EQ(player->play_state(), VideoPlayer::Stopped);
    // Play without a file does nothing.
    player->play();
    EXPECT_EQ(player->play_state(), VideoPlayer::Stopped);
}

TEST_F(MpvPlayerTest, MissingAndBrokenFilesEndAndLeaveThePlayerUsable)
{
    player->set_file_name(clips->dir.filePath("absent.mpg"));
    EXPECT_EQ(player->play_state(), VideoPlayer::Stopped);

    player->set_file_name(clips->broken);
    ASSERT_TRUE(state_becomes(VideoPlayer::Stopped));
    player->play();
    EXPECT_EQ(player->play_state(), VideoPlayer::Stopped);

    player->set_file_name(clips->dir.path());  // a folder is no clip
    EXPECT_EQ(player->play_state(), VideoPlayer::Stopped);

    player->set_file_name(clips->short352);
    ASSERT_TRUE(state_becomes(VideoPlayer::Playing));
    EXPECT_TRUE(state_becomes(VideoPlayer::Stopped));
    EXPECT_GT(player->frames_shown(), 5);
}

TEST_F(MpvPlayerTest, ANewClipIsNotEndedByTheEndOfTheOneItReplaced)
{
    player->set_file_name(clips->short352);
    ASSERT_TRUE(state_becomes(VideoPlayer::Playing));
    player->set_file_name(clips->long352);
    // The first clip's end must not count as the end of the second: the
    // second runs three seconds, so it is still going after one.
    idle(1000);
    EXPECT_EQ(player->play_state(), VideoPlayer::Playing);
    EXPECT_TRUE(state_becomes(VideoPlayer::Stopped));
}

// The area shows black until the new clip's own first picture is ready,
// never the last picture of the clip before, whether or not the area is
// resized as the clip is given (as the enlarged sizes do).
TEST_F(MpvPlayerTest, ANewClipNeverShowsThePictureOfTheOneBefore)
{
    for (const QSize size : {QSize(352, 240), QSize(640, 480)}) {
        SCOPED_TRACE(size.width());
        player = std::make_unique<MpvPlayer>(&container);
        player->resize(352, 240);
        player->set_file_name(clips->short352);
        ASSERT_TRUE(state_becomes(VideoPlayer::Playing));
        ASSERT_TRUE(state_becomes(VideoPlayer::Stopped));
        ASSERT_TRUE(wait_until([&] { return shown_frame() == ShortLastFrame; }, StateTimeoutMs));

        player->set_auto_start(false);
        player->resize(size.width(), size.height());
        player->set_file_name(clips->long352);
        EXPECT_TRUE(shows_black());
        bool endedShown = false;
        ASSERT_TRUE(wait_until(
            [&] {
                endedShown = endedShown || shown_frame() == ShortLastFrame;
                return shows_frame0();
            },
            StateTimeoutMs));
        EXPECT_FALSE(endedShown);
    }
}

TEST_F(MpvPlayerTest, LargerAreaIsDrawnAtItsSizeWithTheClipsProportions)
{
    player->set_auto_start(false);
    player->set_file_name(clips->short352);
    player->play();
    player->pause();
    player->move(144, 220);
    player->resize(640, 480);
    EXPECT_EQ(player->left(), 144);
    EXPECT_EQ(player->top(), 220);
    EXPECT_EQ(player->width(), 640);
    EXPECT_EQ(player->height(), 480);
    ASSERT_TRUE(wait_until(
        [&] { return player->current_frame().size() == QSize(640, 480) && shows_frame0(); }, StateTimeoutMs));
    const QImage frame = player->current_frame();
    const auto* row = reinterpret_cast<const quint32*>(frame.constScanLine(240));
    EXPECT_EQ(row[320] >> 24, 0xffu) << "the frame is not opaque";
    // 352 x 240 filling 640 wide is 436 high: bars of 22 rows above and below.
    const auto brightness = [&](QPoint p) { return qGray(frame.pixel(p)); };
    for (int y : {2, 15, 477})
        EXPECT_LT(brightness({320, y}), 14) << "no black bar at row " << y;
    // The clip's grey texture reaches its corners, its marker stripe the left edge.
    for (QPoint p : {QPoint(2, 30), QPoint(637, 30), QPoint(2, 450), QPoint(637, 450), QPoint(2, 240)})
        EXPECT_GT(brightness(p), 60) << "picture missing at " << p.x() << "," << p.y();
}

TEST_F(MpvPlayerTest, MouseButtonsAndFocusOnThePictureAreaAreReported)
{
    player->move(10, 10);
    container.show();
    QWidget* area = container.childAt(20, 20);
    ASSERT_NE(area, nullptr);
    QSignalSpy down(player.get(), &VideoPlayer::mouse_button_down);
    QSignalSpy up(player.get(), &VideoPlayer::mouse_button_up);
    QSignalSpy focus(player.get(), &VideoPlayer::focus_received);
    QTest::mousePress(area, Qt::RightButton);
    QTest::mouseRelease(area, Qt::RightButton);
    // Two quick presses, which the window system reports as a double click:
    // both are presses.
    QTest::mousePress(area, Qt::LeftButton);
    QTest::mouseRelease(area, Qt::LeftButton);
    QTest::mousePress(area, Qt::LeftButton);
    QTest::mouseRelease(area, Qt::LeftButton);
    EXPECT_EQ(down.count(), 3);
    EXPECT_EQ(up.count(), 3);
    area->setFocus();
    EXPECT_TRUE(wait_until([&] { return focus.count() > 0; }, 2000));
}

int thread_count()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

TEST(MpvPlayerLifetime, DestroyingAPlayingPlayerReturnsAndLeavesNoThreads)
{
    QTemporaryDir dir;
    const QString clip = dir.filePath("clip.mpg");
    ASSERT_TRUE(make_numbered_clip(clip, 3.0, ClipEncoder::Ffmpeg));
    QWidget container;
    // A first player settles any threads that libraries keep for the process.
    {
        MpvPlayer warmUp(&container);
    }
    const int before = thread_count();
    {
        MpvPlayer player(&container);
        player.set_file_name(clip);
        ASSERT_TRUE(wait_until([&] { return player.frames_shown() > 3; }, StateTimeoutMs));
        EXPECT_GT(thread_count(), before);
    }
    EXPECT_TRUE(container.findChildren<QWidget*>().isEmpty()) << "the picture area outlived the player";
    EXPECT_TRUE(wait_until([&] { return thread_count() <= before; }, 5000))
        << thread_count() << " threads, " << before << " before";
}

}  // namespace
