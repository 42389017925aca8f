// Another program changes the playback window with xdotool's requests to the
// X server: a shrunk or moved window covers the screen again, laid out as
// before; a destroyed one gives the menu back.

#include "program_driver.h"

#include <gtest/gtest.h>

namespace {

// The window is found by its title, as another program would find it.
void on_playback_window(const QStringList& commands)
{
    QProcess::execute(QStringLiteral("xdotool"),
                      QStringList{"search", "--onlyvisible", "--name", "^Flickerbox II$"} + commands);
}

// Shrunk in a wait; moved and shrunk in a full-screen clip; destroyed in a
// wait with a prompt due, right after a press (the hand), and in a clip.
TEST(WindowChanged, ShrunkOrMovedCoversTheScreenAgainAndDestroyedGivesTheMenuBack)
{
    if (qEnvironmentVariableIsEmpty("FLICKERBOX_PROGRAM_DIR"))
        GTEST_SKIP() << "FLICKERBOX_PROGRAM_DIR not set";
    ASSERT_TRUE(ProgramDriver::make_clips());
    ProgramDriver d({.device = 7, .size = 3, .prompt = 3, .currentClip = 0, .backdrop = 2});
    const auto laidOut = [&d](int clip, const char* which) {
        return [&d, name = ProgramDriver::clips()[clip - 1], which](const QImage& shot) {
            return d.shows_still(shot, name, which) && d.shows_label(shot, name) && d.shows_backdrop(shot)
                && shot.pixel(shot.width() - 4, 1) == qRgb(0, 0, 192);  // the exit link's corner
        };
    };
    ASSERT_TRUE(d.start_playback() && d.wait_for_screen(laidOut(1, "_first"), 20000));
    // The full-screen clip takes the first still's place.
    const auto pressUntilClip = [&](int clip) {
        return d.press_until([&] { d.tap("space"); },
                             [&, clip](const QImage& shot) {
                                 return !d.shows_still(shot, ProgramDriver::clips()[clip - 1], "_first");
                             });
    };
    const auto destroyGivesMenu = [&] {
        on_playback_window({"windowclose"});
        return d.wait_for_screen([&d](const QImage& shot) { return d.shows_menu(shot); }, 10000);
    };

    on_playback_window({"windowsize", "%1", "600", "400"});
    EXPECT_TRUE(d.wait_for_screen(laidOut(1, "_first"), 5000)) << "shrunk in the wait";
    d.grab(QStringLiteral("shrunk_then_covered"));  // with FLICKERBOX_SHOT_DIR set
    ASSERT_TRUE(pressUntilClip(1));
    on_playback_window({"windowmove", "%1", "100", "100", "windowsize", "%1", "600", "400"});
    EXPECT_TRUE(d.wait_for_screen(laidOut(1, "_last"), 10000)) << "moved and shrunk in the clip";

    ASSERT_TRUE(destroyGivesMenu()) << "destroyed in the wait";
    ASSERT_TRUE(d.play_movies() && d.wait_for_screen(laidOut(2, "_first"), 20000));
    d.tap("space");
    ASSERT_TRUE(destroyGivesMenu()) << "destroyed in the hand";
    ASSERT_TRUE(d.play_movies() && d.wait_for_screen(laidOut(3, "_first"), 20000) && pressUntilClip(3));
    ASSERT_TRUE(destroyGivesMenu()) << "destroyed in the clip";
    EXPECT_TRUE(d.exit_from_menu());
}

}  // namespace
