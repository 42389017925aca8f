#include "playback/calibration.h"

#include "media/dialogs.h"
#include "media/monotonic_clock.h"
#include "media/playback_layout.h"
#include "media/sound.h"
#include "media/video_player.h"
#include "media/wipe.h"
#include "playback/playback_stage.h"
#include "playback/services.h"
#include "state/clip_list.h"
#include "state/globvars.h"

#include <QCoreApplication>
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

Calibration::Calibration(PlaybackStage& stage, GlobVars& g, const Services& services)
    : stage_(stage)
    , g_(g)
    , services_(services)
{
}

void Calibration::run()
{
    QWidget& playerBox = stage_.player_box();
    VideoPlayer& player = stage_.player();
    playerBox.hide();
    services_.dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::None,
                              QStringLiteral("Flickerbox needs to calibrate the speed of your computer.\n"
                                             "This only needs to be done the very first time."));
    QCoreApplication::processEvents();
    stage_.draw_backdrop();

    player.move(0, 0);
    playerBox.resize(352, 240);
    player.resize(352, 240);
    playerBox.move(stage_.layout().movie.topLeft());
    // A card of its own: the label slots stay the turns'.
    Picture card;
    card.load(g_.DataFolder + QStringLiteral("aobj_cal.jpg"));
    bool frameShown = false;
    const QMetaObject::Connection shown = QObject::connect(&player, &VideoPlayer::first_frame_shown,
                                                           &playerBox, [&frameShown] { frameShown = true; });
    player.set_file_name(clip_file_path(g_, QStringLiteral("timer.mpg")));
    playerBox.show();
    player.play();
    player.pause();
    // The measurements do not yield, so the player's first frame must be on
    // screen before they start, or the movie area stays black throughout.
    QTimer wake;  // a yield that waits for events must also wake at the deadline
    wake.start(FirstFrameWaitMs);
    const QDeadlineTimer deadline(FirstFrameWaitMs);
    while (!frameShown && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QObject::disconnect(shown);
    QCoreApplication::processEvents();

    g_.WipeCalibration = calibrated_count(services_.clock, [&] { stage_.wipe_card_in(card, TrialCount); });
    play_sound(services_.sound, g_.DataFolder + QStringLiteral("aobj_clk"), QStringLiteral("DONT_LOOP"));
    stage_.draw_backdrop();
    g_.PressCalibration = calibrated_count(services_.clock, [&] {
        stage_.press_hand_at(PressDistance, TrialCount, g_.DataFolder + QStringLiteral("aobj_clk"));
    });
    services_.dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::None,
                              QStringLiteral("Calibration complete."));
    // Its clip is not one of the learner's: nothing of it may show later.
    player.set_file_name(QString());
}
