// Measures how fast this computer draws the wipe and the pressing hand, and
// derives the delay counts that make each last about one second.

#include "playback/playback_window.h"

#include "media/dialogs.h"
#include "media/monotonic_clock.h"
#include "media/playback_layout.h"
#include "media/sound.h"
#include "media/video_player.h"
#include "media/wipe.h"
#include "playback/layout.h"
#include "state/clip_list.h"
#include "state/globvars.h"

#include <QDeadlineTimer>
#include <QTimer>
#include <cmath>

namespace {
constexpr double TrialCount = 5000;
// Far longer than a clip takes to show its first frame, even on a busy
// machine; a clip that cannot be shown must not stop the calibration.
constexpr int FirstFrameWaitMs = 3000;

// The count that makes `animate`, run with TrialCount, last one second. A
// clock that did not move measures again; one that never moves counts as a
// trial of one second, so the division can never fail and the animations
// keep a usable pace.
template <typename Animate>
double calibrated_count(const MonotonicClock& clock, Animate&& animate)
{
    double seconds = 0;
    for (int attempt = 0; attempt < 3 && seconds <= 0; ++attempt) {
        const double t0 = clock.seconds();
        animate();
        seconds = clock.seconds() - t0;
    }
    if (seconds <= 0)
        seconds = 1;
    const double count = std::floor((1 / seconds) * TrialCount);
    return count == 0 ? 1 : count;
}
}  // namespace

void PlaybackWindow::calibrate_time()
{
    picMp1_->hide();
    services_.dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::None,
                              QStringLiteral("Flickerbox needs to calibrate the speed of your computer.\n"
                                             "This only needs to be done the very first time."));
    yield();
    const QPoint movie_area = backdrop_geometry(g_.BackgroundKind).movie_area;
    Picture& background = pictures_.Background.picture();
    (void)draw_backdrop(pictures_, g_);  // its files were checked before the run began

    player_->move(0, 0);
    picMp1_->resize(352, 240);
    player_->resize(352, 240);
    picMp1_->move(movie_area);
    Picture& card = pictures_.pb4;
    card.load(g_.DataFolder + QStringLiteral("aobj_cal.jpg"));
    const int16_t width = int16_t(card.width()), height = int16_t(card.height());
    const BlitRect wipeRect{int16_t(g_.BackgroundKind == 1 ? 600 - width : 10), 20, width, height, 0, 0};
    bool frameShown = false;
    const QMetaObject::Connection shown =
        connect(player_.get(), &VideoPlayer::first_frame_shown, this, [&frameShown] { frameShown = true; });
    player_->set_file_name(clip_file_path(g_, QStringLiteral("timer.mpg")));
    picMp1_->show();
    player_->play();
    player_->pause();
    // The measurements do not yield, so the player's first frame must be on
    // screen before they start, or the movie area stays black throughout.
    QTimer wake;  // a yield that waits for events must also wake at the deadline
    wake.start(FirstFrameWaitMs);
    const QDeadlineTimer deadline(FirstFrameWaitMs);
    while (!frameShown && !deadline.hasExpired())
        yield_until_event();
    disconnect(shown);
    yield();

    g_.WipeCalibration = calibrated_count(services_.clock, [&] {
        wipe_picture_paced(wipeRect, card, background, 2, 2, TrialCount, services_.pace);
    });
    play_sound(services_.sound, g_.DataFolder + QStringLiteral("aobj_clk"), QStringLiteral("DONT_LOOP"));
    (void)draw_backdrop(pictures_, g_);
    g_.PressCalibration = calibrated_count(services_.clock, [&] {
        press_the_hand_at(PressDistance, TrialCount, g_.DataFolder + QStringLiteral("aobj_clk"));
    });
    services_.dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::None,
                              QStringLiteral("Calibration complete."));
    // Its clip is not one of the learner's: nothing of it may show later.
    player_->set_file_name(QString());
}
