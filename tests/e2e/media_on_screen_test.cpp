// Runs on a real X server (Xvfb): what the learner must see has to reach the
// screen itself, not only our images. Each check grabs the root window, which
// the X server answers only after every earlier drawing request of ours.
// With FLICKERBOX_SHOT_DIR set, the grabs are also saved there for a look.

#include "state/globvars.h"
#include "media/mpv_player.h"
#include "media/press_hand.h"
#include "fakes/recording_sound.h"
#include "media/wipe.h"
#include "playback/layout.h"
#include "media/picture_difference.h"
#include "support/wait_until.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

QString program_folder()
{
    return qEnvironmentVariable("FLICKERBOX_PROGRAM_DIR") + QLatin1Char('/');
}

QImage grab_screen(const QString& shotName)
{
    QImage shot =
        QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    const QString dir = qEnvironmentVariable("FLICKERBOX_SHOT_DIR");
    if (!dir.isEmpty())
        shot.save(QDir(dir).filePath(shotName + QStringLiteral(".png")));
    return shot;
}

class MediaOnScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFile::exists(program_folder() + QStringLiteral("aobj_tv.jpg")))
            GTEST_SKIP() << "demo library not built in " << program_folder().toStdString();
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "this test needs a real X server";
        window.setStyleSheet(QStringLiteral("background: black"));
        window.setGeometry(window.screen()->geometry());
        window.show();
        screen_size = window.screen()->geometry().size();
        pictures.Background.move(origin());
        g.DataFolder = program_folder();
        g.BackgroundKind = 1;
        init_pictureboxes(pictures);
        clear_backdrop(pictures);
        ASSERT_TRUE(draw_backdrop(pictures, g).isEmpty());
        ASSERT_TRUE(wait_until([this] { return window.isVisible(); }, 5000));
        QCoreApplication::processEvents();
    }

    QPoint origin() const { return {(screen_size.width() - 640) / 2, (screen_size.height() - 480) / 2}; }

    // The part of the screen that shows rect of Background.
    QImage on_screen(const QImage& shot, const QRect& rect) const
    {
        return shot.copy(rect.translated(pictures.Background.pos()));
    }

    QImage drawn(const QRect& rect) const { return pictures.Background.picture().image().copy(rect); }

    QWidget window;
    QSize screen_size;
    PlaybackPictures pictures{&window};
    GlobVars g;
};

TEST_F(MediaOnScreen, BackdropAndEveryAnimationFrameReachTheScreen)
{
    const QRect area(0, 0, 640, 480);
    EXPECT_LT(mean_abs_difference(on_screen(grab_screen("backdrop"), area), drawn(area)), 0.5);

    // Halfway through the label's wipe the screen shows exactly the half-wiped label.
    ASSERT_TRUE(pictures.pb4.load(program_folder() + QStringLiteral("dog_garden.jpg"))
                || pictures.pb4.load(program_folder() + QStringLiteral("aobj_cal.jpg")));
    const BlitRect label{int16_t(600 - pictures.pb4.width()), 20, int16_t(pictures.pb4.width()),
                         int16_t(pictures.pb4.height()),      0,  0};
    const QRect label_area(label.x, label.y, label.width, label.height);
    int frame = 0;
    double midWipeDifference = -1;
    wipe_picture_paced(label, pictures.pb4, pictures.Background.picture(), 2, 2, 0, [&](double) {
        if (++frame == label.width / 2)
            midWipeDifference =
                mean_abs_difference(on_screen(grab_screen("wipe_half"), label_area), drawn(label_area));
    });
    EXPECT_GE(midWipeDifference, 0) << "the wipe never reached its middle frame";
    EXPECT_LT(midWipeDifference, 0.5);

    // At the click the hand stands 35 pixels down on screen.
    const QRect pressArea(pictures.HandRect.x, pictures.HandRect.y, pictures.HandRect.width,
                          pictures.HandRect.height + 35);
    const QImage atRest = drawn(pressArea);
    double atClickDifference = -1;
    QImage pressedOnScreen;
    // At the sound of the lowest point the hand must already stand pressed on screen.
    RecordingSound grabber;
    grabber.onPlay = [&] {
        pressedOnScreen = on_screen(grab_screen("hand_pressed"), pressArea);
        atClickDifference = mean_abs_difference(pressedOnScreen, drawn(pressArea));
    };
    press_hand(pictures.HandRect, pictures.HandMaskRect, 2, 35, pictures.PB1, pictures.Background.picture(),
               pictures.pb2, pictures.PBW, 0, 1, QStringLiteral("aobj_clk"), grabber);
    EXPECT_GE(atClickDifference, 0) << "no sound at the lowest point";
    EXPECT_LT(atClickDifference, 0.5);
    EXPECT_GT(mean_abs_difference(pressedOnScreen, atRest), 5) << "the hand did not move on screen";
}

TEST_F(MediaOnScreen, ClipIsSeenAtEachSize)
{
    const QString clip = program_folder() + QStringLiteral("dog_garden");
    if (!QFile::exists(clip + QStringLiteral(".mpg")))
        GTEST_SKIP() << "no dog_garden clip in the demo library";
    QWidget picMp1(&pictures.Background);
    picMp1.setStyleSheet(QStringLiteral("background: black"));
    MpvPlayer player(&picMp1);
    player.set_visible(false);  // as the playback cycles always set it

    struct Size {
        const char* name;
        QRect area;  // picMp1 on Background, Background at origin unless full screen
        bool fullScreen;
    };
    const QPoint tvMovieArea(144, 220);
    const Size sizes[] = {
        {"clip_normal", QRect(tvMovieArea, QSize(352, 240)), false},
        {"clip_mid", QRect(0, 0, 640, 480), false},
        {"clip_full", QRect(QPoint(0, 0), screen_size), true},
    };
    for (const Size& size : sizes) {
        SCOPED_TRACE(size.name);
        if (size.fullScreen) {
            pictures.Background.move(0, 0);
            pictures.Background.resize(screen_size);
        }
        picMp1.setGeometry(size.area);
        player.move(0, 0);
        player.resize(size.area.width(), size.area.height());
        picMp1.show();
        picMp1.raise();

        player.set_auto_start(true);
        player.set_file_name(clip + QStringLiteral(".mpg"));
        const int before = player.frames_shown();
        ASSERT_TRUE(wait_until([&] { return player.frames_shown() > before + 25; }, 20000));
        player.pause();  // the first hold goes to frame 1 exactly
        QCoreApplication::processEvents(QEventLoop::AllEvents, 500);
        ASSERT_TRUE(wait_until([&] { return player.play_state() == VideoPlayer::Held; }, 5000));
        wait_until([] { return false; }, 300);  // let the held frame arrive

        const QImage shown =
            grab_screen(size.name).copy(QRect(picMp1.mapTo(&window, QPoint(0, 0)), size.area.size()));
        EXPECT_LT(mean_abs_difference(shown, player.current_frame()), 1.0)
            << "the screen does not show the player's frame";
        if (!size.fullScreen && size.area.size() == QSize(352, 240)) {
            QImage first(clip + QStringLiteral("_first.jpg"));
            EXPECT_LT(mean_abs_difference(shown, first), 6.0) << "held frame is not the clip's first frame";
        }
        player.set_file_name(QString());
    }
}

}  // namespace
