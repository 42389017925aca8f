// The learner's turn in the real program on a real X server: real key and
// button events in, the screen read back and compared with the library's own
// pictures. Each case covers another combination of screen size, backdrop,
// device and prompting. With FLICKERBOX_SHOT_DIR set, the stages are saved.

#include "program_test.h"
#include "media/picture_difference.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const QString& clip(int number)
{
    return ProgramDriver::clips()[number - 1];
}

class PlaybackTurn : public ProgramTest {
protected:
    // Starts the program and waits for clip's first still and label, the
    // turn's first wait.
    std::unique_ptr<ProgramDriver> start_at(const PlaybackSettings& settings, int clipNumber)
    {
        auto driver = std::make_unique<ProgramDriver>(settings);
        EXPECT_TRUE(driver->start_playback()) << "\"Play Movies\" did not bring up the backdrop";
        EXPECT_TRUE(wait_for_still(*driver, clipNumber, "_first", 20000))
            << "clip " << clipNumber << "'s first still and label did not appear";
        return driver;
    }

    static bool wait_for_still(const ProgramDriver& d, int clipNumber, const char* which, int timeoutMs)
    {
        return d.wait_for_screen(
            [&](const QImage& shot) {
                return d.shows_still(shot, clip(clipNumber), which) && d.shows_label(shot, clip(clipNumber))
                    && d.shows_backdrop(shot);
            },
            timeoutMs);
    }

    static std::function<bool(const QImage&)> handMoved(const ProgramDriver& d)
    {
        return [&d](const QImage& shot) { return !d.hand_at_rest(shot); };
    }

    // The press was taken: the hand has moved, or the clip after it has
    // begun. The hand's frames are brief, and a loaded machine may read the
    // screen too seldom to see one; pressing again then would land in the
    // wait after the clip and end the turn.
    static std::function<bool(const QImage&)> tookPress(const ProgramDriver& d, int clipNumber)
    {
        return [&d, clipNumber](const QImage& shot) {
            return !d.hand_at_rest(shot) || !d.shows_still(shot, clip(clipNumber), "_first");
        };
    }

    static std::function<bool(const QImage&)> still(const ProgramDriver& d, int clipNumber, const char* which)
    {
        return [&d, clipNumber, which](const QImage& shot) {
            return d.shows_still(shot, clip(clipNumber), which) && d.shows_label(shot, clip(clipNumber));
        };
    }

    // Nothing may change on screen for a while: what must not start, does not.
    static bool stays_unchanged(const ProgramDriver& d, const QImage& before, int ms)
    {
        QElapsedTimer elapsed;
        elapsed.start();
        while (elapsed.elapsed() < ms) {
            if (mean_abs_difference(d.grab(), before) > 0.5)
                return false;
            QThread::msleep(50);
        }
        return true;
    }

    // Grabs region of the screen while the clip plays; true when at least
    // three different pictures were seen.
    static bool moves_frame_to_frame(const ProgramDriver& d, const QRect& region, const QString& shotName)
    {
        QList<QImage> seen;
        QElapsedTimer elapsed;
        elapsed.start();
        while (elapsed.elapsed() < 5000 && seen.size() < 3) {
            const QImage part = d.grab_region(region);
            if (!seen.isEmpty() && mean_abs_difference(part, seen.last()) <= 0.3)
                continue;
            seen << part;
            if (seen.size() == 2)
                d.grab(shotName);
        }
        return seen.size() >= 3;
    }

    static QRect screen_rect() { return QGuiApplication::primaryScreen()->geometry(); }
};

// Normal size, TV set, space bar, no prompts: the whole turn, replay, skip,
// leaving with Esc and "Exit" saving where the learner got to.
TEST_F(PlaybackTurn, NormalSizeTurnWithReplaySkipAndExit)
{
    auto d = start_at({.device = 7, .size = 1, .prompt = 0, .currentClip = 1, .backdrop = 1}, 2);
    ASSERT_FALSE(HasFailure());
    d->grab(QStringLiteral("first_still_tv"));

    ASSERT_TRUE(d->press_until([&] { d->tap("space"); }, tookPress(*d, 2)))
        << "the hand did not move after a press";
    d->grab(QStringLiteral("hand_down_tv"));
    ASSERT_TRUE(wait_for_still(*d, 2, "_last", 10000)) << "no last still with the backdrop";
    EXPECT_TRUE(d->hand_at_rest(d->grab(QStringLiteral("last_still_tv"))));

    EXPECT_TRUE(d->press_until([&] { d->tap("r"); }, still(*d, 2, "_first")))
        << "r did not present the clip again";
    EXPECT_TRUE(d->press_until([&] { d->tap("a"); }, still(*d, 3, "_first")))
        << "a did not skip to the next clip";
    d->tap("Escape");
    EXPECT_TRUE(d->exit_from_menu());
    const QList<double> written = d->written_settings();
    ASSERT_EQ(written.size(), 18);
    EXPECT_EQ(written[4], 3) << "CurrentClip";
}

// At normal size the first still stays in front until the player reports the
// clip's first frame; from then on the clip itself must be seen moving.
TEST_F(PlaybackTurn, ClipIsSeenAtNormalSize)
{
    auto d = start_at({.device = 7, .size = 1, .prompt = 0, .currentClip = 1, .backdrop = 1}, 2);
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(d->press_until([&] { d->tap("space"); }, tookPress(*d, 2)));
    const QRect movie = d->movie_area().translated(d->area_origin());
    EXPECT_TRUE(moves_frame_to_frame(*d, movie, QStringLiteral("clip_normal"))) << "the clip was not seen";
}

// At 640 x 480 the stage's floor, below the normal movie area and far from
// the hand, changes only with the enlarged clip.
TEST_F(PlaybackTurn, ClipIsSeenAtMidSize)
{
    auto d = start_at({.device = 6, .size = 2, .prompt = 0, .currentClip = 0, .backdrop = 2}, 1);
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(d->press_until([&] { d->click(d->area_origin() + QPoint(60, 300)); }, tookPress(*d, 1)));
    EXPECT_TRUE(moves_frame_to_frame(*d, QRect(d->area_origin() + QPoint(0, 410), QSize(640, 60)),
                                     QStringLiteral("clip_mid")));
}

// 640 x 480, theater, mouse, prompts every 3 s: the first prompt comes one
// interval after the wait begins; the exit link takes only a double click.
TEST_F(PlaybackTurn, MidSizeTurnWithPromptAndExitLink)
{
    auto d = start_at({.device = 6, .size = 2, .prompt = 3, .currentClip = 0, .backdrop = 2}, 1);
    ASSERT_FALSE(HasFailure());
    QElapsedTimer waiting;
    waiting.start();
    d->grab(QStringLiteral("first_still_theater"));
    ASSERT_TRUE(d->wait_for_screen(handMoved(*d), 6000)) << "no prompt came";
    const qint64 promptAfter = waiting.elapsed();
    d->grab(QStringLiteral("prompt_dip"));
    EXPECT_GE(promptAfter, 2700);
    EXPECT_LE(promptAfter, 4000);
    ASSERT_TRUE(d->wait_for_screen([&](const QImage& shot) { return d->hand_at_rest(shot); }, 5000));

    const QPoint onBackdrop = d->area_origin() + QPoint(60, 300);
    ASSERT_TRUE(d->press_until([&] { d->click(onBackdrop); }, tookPress(*d, 1)))
        << "a click did not move the hand";
    ASSERT_TRUE(wait_for_still(*d, 1, "_last", 10000)) << "no last still with the backdrop after 640 x 480";
    d->grab(QStringLiteral("last_still_theater"));

    const QPoint exitLink(screen_rect().width() - 30, 10);
    d->click(exitLink);
    EXPECT_TRUE(stays_unchanged(*d, d->grab(QStringLiteral("exit_link")), 1500))
        << "a single click on the exit link acted";
    d->click(exitLink, 2);
    EXPECT_TRUE(d->wait_for_screen([&](const QImage& shot) { return d->shows_menu(shot); }, 10000))
        << "a double click on the exit link did not return to the menu";
}

// Full screen, TV set, mouse: the clip fills the screen and the backdrop comes back.
TEST_F(PlaybackTurn, FullScreenClipRestoresTheBackdrop)
{
    auto d = start_at({.device = 6, .size = 3, .prompt = 0, .currentClip = 2, .backdrop = 1}, 3);
    ASSERT_FALSE(HasFailure());
    QImage black(100, 100, QImage::Format_RGB32);
    black.fill(Qt::black);
    // The screen's corner lies outside the drawing area: only the clip reaches it.
    const auto cornerShowsClip = [&](const QImage& shot) {
        return mean_abs_difference(shot.copy(0, 0, 100, 100), black) > 5;
    };
    ASSERT_TRUE(d->press_until([&] { d->click(d->area_origin() + QPoint(320, 300)); }, cornerShowsClip));
    EXPECT_TRUE(
        moves_frame_to_frame(*d, QRect(0, 0, screen_rect().width(), 100), QStringLiteral("clip_full")));
    EXPECT_TRUE(wait_for_still(*d, 3, "_last", 10000)) << "no last still with the backdrop after full screen";
}

// Full screen, theater, space bar, prompting on: Esc during the clip leaves.
TEST_F(PlaybackTurn, EscapeDuringFullScreenClipReturnsToMenu)
{
    auto d = start_at({.device = 7, .size = 3, .prompt = 3, .currentClip = 0, .backdrop = 2}, 1);
    ASSERT_FALSE(HasFailure());
    QImage black(100, 100, QImage::Format_RGB32);
    black.fill(Qt::black);
    ASSERT_TRUE(d->press_until(
        [&] { d->tap("space"); },
        [&](const QImage& shot) { return mean_abs_difference(shot.copy(0, 0, 100, 100), black) > 5; }))
        << "the full-screen clip did not show";
    d->tap("Escape");
    EXPECT_TRUE(d->wait_for_screen([&](const QImage& shot) { return d->shows_menu(shot); }, 10000));
}

// A held space bar, with the server's key repeat, is one response: the clip
// plays once and its last still stays.
TEST_F(PlaybackTurn, HeldSpaceIsOneResponse)
{
    auto d = start_at({.device = 7, .size = 1, .prompt = 0, .currentClip = 0, .backdrop = 1}, 1);
    ASSERT_FALSE(HasFailure());
    // Held until a second into the wait after the clip, where a repeat taken
    // for a press would end the turn.
    ASSERT_TRUE(d->press_until(
        [&] {
            d->key("space", false);
            d->key("space", true);
        },
        tookPress(*d, 1)));
    const bool lastStill = wait_for_still(*d, 1, "_last", 10000);
    QThread::msleep(1000);
    d->key("space", false);
    ASSERT_TRUE(lastStill);
    EXPECT_TRUE(stays_unchanged(*d, d->grab(), 2000)) << "the held key counted more than once";
}

// First use: both calibration messages are answered with Return, and both
// values are saved at "Exit".
TEST_F(PlaybackTurn, CalibrationOnFirstUseIsSaved)
{
    auto d = std::make_unique<ProgramDriver>(PlaybackSettings{.press = 0, .wipe = 0});
    ASSERT_TRUE(d->start_playback());
    QElapsedTimer elapsed;
    elapsed.start();
    // Return answers each message; once both are answered the first still shows.
    while (elapsed.elapsed() < 60000 && !d->shows_still(d->grab(), clip(1), "_first")) {
        d->move_to(QPoint(screen_rect().width() / 2, screen_rect().height() / 2));
        d->tap("Return");
        QThread::msleep(300);
    }
    ASSERT_TRUE(wait_for_still(*d, 1, "_first", 10000));
    d->tap("Escape");
    ASSERT_TRUE(d->exit_from_menu());
    const QList<double> written = d->written_settings();
    ASSERT_EQ(written.size(), 18);
    EXPECT_GT(written[5], 0) << "PressCalibration";
    EXPECT_GT(written[6], 0) << "WipeCalibration";
}

// A calibration that would take days on this computer, as a damaged file
// holds it: the start-up message (its text selected with a triple click) says
// it will be measured again; while it is, the calibration clip's first frame
// stands in the movie area; Esc then leaves the first turn at once.
TEST_F(PlaybackTurn, OverlongCalibrationIsMeasuredAgainWithItsClipShown)
{
    auto d = std::make_unique<ProgramDriver>(
        PlaybackSettings{.press = 99999999999999999999999.0, .wipe = 2147483647});
    QTemporaryDir frameDir;
    ASSERT_EQ(QProcess::execute("ffmpeg",
                                {"-v", "error", "-i", d->folder() + "timer.mpg", "-frames:v", "1",
                                 frameDir.filePath("timer.png")}),
              0);
    const QImage timerFrame = QImage(frameDir.filePath("timer.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_TRUE(d->start());
    QString message;
    for (int attempt = 0; attempt < 20 && !message.contains("calibration"); ++attempt) {
        d->click(screen_rect().center() - QPoint(0, 60), 3);
        QThread::msleep(250);
        message = QGuiApplication::clipboard()->text(QClipboard::Selection);
    }
    EXPECT_TRUE(message.contains("measured again the next time you choose \"Play Movies\""))
        << message.toStdString();
    d->tap("Return");
    ASSERT_TRUE(d->play_movies());
    ASSERT_TRUE(
        d->press_until([&] { d->tap("Return"); }, [&](const QImage& s) { return d->shows_backdrop(s); }));

    // Until the hand has pressed and is back: the wipe measured, then the hand.
    const QImage card = d->file("aobj_cal.jpg");
    const QRect cardPlace(600 - card.width(), 20, card.width(), card.height());
    QImage black(card.size(), QImage::Format_RGB32);
    black.fill(Qt::black);
    int wipeShots = 0, handShots = 0;
    QElapsedTimer elapsed;
    elapsed.start();
    for (QImage shot = d->grab(); elapsed.elapsed() < 60000 && !(handShots && d->hand_at_rest(shot));
         shot = d->grab()) {
        const QImage place = d->on_area(shot, cardPlace);
        const bool wiping = mean_abs_difference(place, black) > 1 && mean_abs_difference(place, card) > 1;
        const bool pressing = d->shows_backdrop(shot) && !d->hand_at_rest(shot);
        if (!wiping && !pressing)
            continue;
        ++(wiping ? wipeShots : handShots);
        EXPECT_LT(mean_abs_difference(d->on_area(shot, d->movie_area()), timerFrame), 12)
            << wiping << pressing;
    }
    EXPECT_GT(wipeShots, 0);
    ASSERT_GT(handShots, 0);
    ASSERT_TRUE(d->press_until([&] { d->tap("Return"); }, still(*d, 1, "_first")));
    elapsed.restart();
    d->tap("Escape");
    ASSERT_TRUE(d->wait_for_screen([&](const QImage& s) { return d->shows_menu(s); }, 10000));
    EXPECT_LT(elapsed.elapsed(), 3000) << "Esc to the menu window";
}

}  // namespace
