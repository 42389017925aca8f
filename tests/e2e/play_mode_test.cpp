// Each play mode once in the real program on a real X server, with real key
// presses and the screen read back: a clip that stands still when the space
// bar is let go, one that plays two seconds a press, one that needs three
// presses. With FLICKERBOX_SHOT_DIR set, the stages are saved.

#include "program_test.h"
#include "media/picture_difference.h"
#include "playback/progress_sign.h"

#include <QThread>
#include <gtest/gtest.h>

namespace {

const QString& clip(int number)
{
    return ProgramDriver::clips()[number - 1];
}

class PlayMode : public ProgramTest {
protected:
    std::unique_ptr<ProgramDriver> start(int mode, int number, double clipSeconds, int backdrop = 1)
    {
        auto d = std::make_unique<ProgramDriver>(PlaybackSettings{.device = 7,
                                                                  .backdrop = backdrop,
                                                                  .playMode = mode,
                                                                  .playModeNumber = number,
                                                                  .clipSeconds = clipSeconds});
        EXPECT_TRUE(d->start_playback());
        EXPECT_TRUE(showing(*d, "_first", 20000)) << "the first still did not come";
        return d;
    }

    static bool showing(const ProgramDriver& d, const char* which, int timeoutMs)
    {
        return d.wait_for_screen(
            [&](const QImage& s) { return d.shows_still(s, clip(1), which) && d.shows_backdrop(s); },
            timeoutMs);
    }

    // The movie area shows neither still and has not changed for a while.
    static bool stands_still_mid_clip(const ProgramDriver& d, int forMs)
    {
        const QImage before = d.grab_region(d.movie_area().translated(d.area_origin()));
        QThread::msleep(forMs);
        const QImage shot = d.grab();
        return mean_abs_difference(d.on_area(shot, d.movie_area()), before) < 0.5
            && !d.shows_still(shot, clip(1), "_first") && !d.shows_still(shot, clip(1), "_last");
    }

    // Waits until the movie area no longer shows `from`: the clip plays (on).
    static bool moves_from(const ProgramDriver& d, const QImage& from)
    {
        return d.wait_for_screen(
            [&](const QImage& s) { return mean_abs_difference(d.on_area(s, d.movie_area()), from) >= 0.5; },
            10000);
    }

    // Presses the space bar and keeps it down until the hand has moved.
    static bool press_and_keep_down(ProgramDriver& d)
    {
        return d.press_until(
            [&] {
                d.key("space", false);
                d.key("space", true);
            },
            [&](const QImage& s) { return !d.hand_at_rest(s); });
    }
};

TEST_F(PlayMode, HoldPlaysWhileTheSpaceBarIsDownAndStandsStillWhenLetGo)
{
    auto d = start(2, 0, 3);
    ASSERT_FALSE(HasFailure());
    const QImage firstStill = d->on_area(d->grab(), d->movie_area());
    ASSERT_TRUE(press_and_keep_down(*d));
    ASSERT_TRUE(moves_from(*d, firstStill)) << "the clip did not start after the hand";
    QThread::msleep(1000);
    d->key("space", false);
    QThread::msleep(200);  // the release reaches the program
    EXPECT_TRUE(stands_still_mid_clip(*d, 1000)) << "the clip went on after the space bar was let go";
    d->grab(QStringLiteral("hold_paused"));

    ASSERT_TRUE(press_and_keep_down(*d)) << "no hand for the press that plays on";
    EXPECT_TRUE(showing(*d, "_last", 10000)) << "the clip did not play on to its last still";
    d->key("space", false);
    EXPECT_TRUE(d->hand_at_rest(d->grab()));
    d->tap("Escape");
    EXPECT_TRUE(d->exit_from_menu());
    EXPECT_EQ(d->written_settings().mid(20), QList<double>({2, 0})) << "the mode is kept";
}

TEST_F(PlayMode, TimedPlayStandsStillAfterTwoSecondsEachPress)
{
    auto d = start(3, 2, 5);
    ASSERT_FALSE(HasFailure());
    for (int press = 1; press <= 2; ++press) {
        const QImage before = d->on_area(d->grab(), d->movie_area());
        ASSERT_TRUE(
            d->press_until([&] { d->tap("space"); }, [&](const QImage& s) { return !d->hand_at_rest(s); }));
        ASSERT_TRUE(moves_from(*d, before)) << "press " << press << " did not play the clip";
        QThread::msleep(1200);
        EXPECT_FALSE(stands_still_mid_clip(*d, 300)) << "press " << press << ": stood still too soon";
        QThread::msleep(1000);
        EXPECT_TRUE(stands_still_mid_clip(*d, 800)) << "press " << press << ": still playing after 3 s";
    }
    d->grab(QStringLiteral("timed_paused"));
    ASSERT_TRUE(
        d->press_until([&] { d->tap("space"); }, [&](const QImage& s) { return !d->hand_at_rest(s); }));
    EXPECT_TRUE(showing(*d, "_last", 10000)) << "the third press did not play the clip to its end";
    d->tap("Escape");
}

TEST_F(PlayMode, ThreePressesStartTheClipEachEarlierOneFillingAMark)
{
    for (const int backdrop : {1, 2}) {
        auto d = start(4, 3, 1.2, backdrop);
        ASSERT_FALSE(HasFailure());
        const auto filled = [&](const QImage& s) {
            int n = 0;
            for (int i = 0; i < 3; ++i) {
                const QColor c =
                    s.pixelColor(d->area_origin() + progress_mark(int16_t(backdrop), i, 3).center());
                n += c.red() > 220 && c.green() > 170 && c.blue() < 80;
            }
            return n;
        };
        for (int press = 1; press <= 2; ++press)
            ASSERT_TRUE(d->press_until([&] { d->tap("space"); },
                                       [&](const QImage& s) { return filled(s) == press; }));
        d->grab(QStringLiteral("progress_backdrop_%1").arg(backdrop));
        EXPECT_TRUE(d->shows_still(d->grab(), clip(1), "_first")) << "the clip began before the third press";
        ASSERT_TRUE(d->press_until([&] { d->tap("space"); },
                                   [&](const QImage& s) { return !d->shows_still(s, clip(1), "_first"); }));
        EXPECT_TRUE(showing(*d, "_last", 10000)) << "the third press did not play the clip";
        EXPECT_EQ(filled(d->grab()), 0) << "the sign stayed after the clip";
        d->tap("Escape");
    }
}

}  // namespace
