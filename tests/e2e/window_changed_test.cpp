// Another program changes the playback window during the learner's turn, with
// xdotool's requests to the X server: it destroys the window, or shrinks and
// moves it. A destroyed window gives the menu back; a changed one covers the
// screen again with the backdrop, the still and the exit link where they were.
// With FLICKERBOX_SHOT_DIR set, the covered window is saved.

#include "program_driver.h"
#include "media/picture_difference.h"

#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <gtest/gtest.h>

// For gtest's messages: QRect's bytes say nothing.
void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << rect.width() << " x " << rect.height() << " at " << rect.x() << ", " << rect.y();
}

namespace {

const QString& clip(int number) { return ProgramDriver::clips()[number - 1]; }

QString xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString playbackWindow()
{
    return xdotool({"search", "--onlyvisible", "--name", "^Flickerbox II$"}).section(u'\n', 0, 0);
}

QRect windowGeometry(const QString& window)
{
    QMap<QString, int> values;
    for (const QString& line : xdotool({"getwindowgeometry", "--shell", window}).split(u'\n'))
        values[line.section(u'=', 0, 0)] = line.section(u'=', 1).toInt();
    return {values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]};
}

QRect screenRect() { return QGuiApplication::primaryScreen()->geometry(); }

class WindowChanged : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("FLICKERBOX_PROGRAM_DIR"))
            GTEST_SKIP() << "FLICKERBOX_PROGRAM_DIR not set";
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "this test needs a real X server";
        ASSERT_TRUE(ProgramDriver::makeClips()) << "ffmpeg could not make the test clips";
    }

    // The whole turn's layout: still, label, the backdrop also where a window
    // cut to 600 x 400 ends, and the exit link in the screen's corner.
    static std::function<bool(const QImage&)> laidOut(const ProgramDriver& d, int clipNumber, const char* which)
    {
        return [&d, clipNumber, which](const QImage& shot) {
            return d.showsStill(shot, clip(clipNumber), which) && d.showsLabel(shot, clip(clipNumber)) &&
                   showsWholeBackdrop(d, shot) && showsExitLink(shot);
        };
    }

    static bool showsWholeBackdrop(const ProgramDriver& d, const QImage& shot)
    {
        // Strips right of and below the movie area that nothing else covers.
        const bool tv = d.options().backdrop == 1;
        const QPoint corner = tv ? QPoint(120, 117) : QPoint(5, 125);
        const QImage picture = d.file(tv ? QStringLiteral("aobj_tv.jpg") : QStringLiteral("aobj_thr.jpg"));
        const QList<QRect> strips = tv ? QList<QRect>{{497, 130, 18, 330}, {130, 461, 380, 15}}
                                       : QList<QRect>{{500, 130, 125, 25}, {10, 405, 610, 60}};
        return d.showsBackdrop(shot) && std::all_of(strips.begin(), strips.end(), [&](const QRect& strip) {
                   return mean_abs_difference(d.onArea(shot, strip), picture.copy(strip.translated(-corner))) < 6;
               });
    }

    // Most of the screen's top right corner is the exit link's dark blue.
    static bool showsExitLink(const QImage& shot)
    {
        const QRect corner(shot.width() - 50, 0, 46, 30);
        int blue = 0;
        for (int y = corner.top(); y <= corner.bottom(); ++y)
            for (int x = corner.left(); x <= corner.right(); ++x)
                blue += shot.pixel(x, y) == qRgb(0, 0, 192);
        return blue > corner.width() * corner.height() / 2;
    }

    std::unique_ptr<ProgramDriver> startAtFirstWait(const PlaybackSettings& settings, int clipNumber)
    {
        auto d = std::make_unique<ProgramDriver>(settings);
        EXPECT_TRUE(d->startPlayback()) << "\"Play Movies\" did not bring up the backdrop";
        EXPECT_TRUE(d->waitForScreen(laidOut(*d, clipNumber, "_first"), 20000))
            << "clip " << clipNumber << "'s first wait did not appear";
        return d;
    }

    static bool menuComesBack(const ProgramDriver& d)
    {
        return d.waitForScreen([&d](const QImage& shot) { return d.showsMenu(shot); }, 10000);
    }
};

// Destroyed while the turn waits, with a prompt timer running: the menu comes
// back, plays again from the next clip, and the program still ends cleanly.
TEST_F(WindowChanged, DestroyedInTheWaitGivesTheMenuBack)
{
    auto d = startAtFirstWait({.device = 7, .size = 1, .prompt = 3, .currentClip = 0, .backdrop = 1}, 1);
    ASSERT_FALSE(HasFailure());
    xdotool({"windowclose", playbackWindow()});
    ASSERT_TRUE(menuComesBack(*d)) << "no menu after the playback window was destroyed";
    ASSERT_TRUE(d->playMovies());
    EXPECT_TRUE(d->waitForScreen(laidOut(*d, 2, "_first"), 20000)) << "the next run did not start at clip 2";
    d->tap("Escape");
    EXPECT_TRUE(d->exitFromMenu());
}

// Destroyed right after a press (in the hand, or as the clip begins), then in
// a full-screen clip: the menu comes back each time.
TEST_F(WindowChanged, DestroyedDuringTheHandOrTheClipGivesTheMenuBack)
{
    auto d = startAtFirstWait({.device = 7, .size = 3, .prompt = 0, .currentClip = 0, .backdrop = 2}, 1);
    ASSERT_FALSE(HasFailure());
    const QString window = playbackWindow();
    d->tap("space");
    xdotool({"windowclose", window});
    ASSERT_TRUE(menuComesBack(*d)) << "no menu after the window was destroyed as the hand pressed";

    ASSERT_TRUE(d->playMovies());
    ASSERT_TRUE(d->waitForScreen(laidOut(*d, 2, "_first"), 20000));
    QImage black(100, 100, QImage::Format_RGB32);
    black.fill(Qt::black);
    // The screen's corner lies outside the drawing area: only the clip reaches it.
    ASSERT_TRUE(d->pressUntil([&] { d->tap("space"); }, [&](const QImage& shot) {
        return mean_abs_difference(shot.copy(0, 0, 100, 100), black) > 5;
    })) << "the full-screen clip did not show";
    xdotool({"windowclose", playbackWindow()});
    ASSERT_TRUE(menuComesBack(*d)) << "no menu after the window was destroyed during the clip";
    EXPECT_TRUE(d->exitFromMenu());
}

// Shrunk to 600 x 400 in the wait: the window covers the screen again, laid
// out as before, and the turn goes on.
TEST_F(WindowChanged, ShrunkInTheWaitCoversTheScreenAgain)
{
    auto d = startAtFirstWait({.device = 7, .size = 1, .prompt = 0, .currentClip = 0, .backdrop = 1}, 1);
    ASSERT_FALSE(HasFailure());
    const QString window = playbackWindow();
    xdotool({"windowsize", window, "600", "400"});
    EXPECT_TRUE(d->waitForScreen(laidOut(*d, 1, "_first"), 5000)) << "the layout was not whole again";
    d->grab(QStringLiteral("shrunk_then_covered"));
    EXPECT_EQ(windowGeometry(window), screenRect());
    ASSERT_TRUE(d->pressUntil([&] { d->tap("space"); }, [&](const QImage& shot) { return !d->handAtRest(shot); }))
        << "a press after the window came back was not taken";
    EXPECT_TRUE(d->waitForScreen(laidOut(*d, 1, "_last"), 10000));
    d->tap("Escape");
    EXPECT_TRUE(d->exitFromMenu());
}

// Moved and shrunk while a 640 x 480 clip plays: the last still comes on a
// window that covers the screen again.
TEST_F(WindowChanged, MovedAndShrunkDuringTheClipCoversTheScreenAgain)
{
    auto d = startAtFirstWait({.device = 6, .size = 2, .prompt = 0, .currentClip = 0, .backdrop = 2}, 1);
    ASSERT_FALSE(HasFailure());
    const QString window = playbackWindow();
    ASSERT_TRUE(d->pressUntil([&] { d->click(d->areaOrigin() + QPoint(60, 300)); },
                              [&](const QImage& shot) { return !d->showsStill(shot, clip(1), "_first"); }));
    xdotool({"windowmove", window, "100", "100", "windowsize", window, "600", "400"});
    EXPECT_TRUE(d->waitForScreen(laidOut(*d, 1, "_last"), 10000)) << "the last still was not laid out whole";
    EXPECT_EQ(windowGeometry(window), screenRect());
}

}  // namespace
