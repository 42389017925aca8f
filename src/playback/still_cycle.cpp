// One turn with the clip's first and last frames shown as still pictures.

#include "playback/playback_window.h"

#include "media/playback_layout.h"
#include "media/monotonic_clock.h"
#include "media/sound.h"
#include "media/video_player.h"
#include "playback/layout.h"
#include "state/clip_list.h"
#include "state/globvars.h"
#include "state/play_mode.h"

#include <QScopeGuard>

bool PlaybackWindow::stack_stills(const QString& clip, QPoint still)
{
    // Held back from the screen until the first still is in front: the new
    // last still must not be seen before its time.
    pictures_.Background.setUpdatesEnabled(false);
    const auto showStacked = qScopeGuard([this] {
        pictures_.Background.setUpdatesEnabled(true);
        pictures_.Background.repaint();  // now: the wipe and the sound that follow do not yield
    });
    if (!picFirst_->picture().load(clip_file_path(g_, clip + QStringLiteral("_first.jpg")))) {
        skip_unusable_clip(clip, clip + QStringLiteral("_first.jpg"));
        return false;
    }
    if (!picLast_->picture().load(clip_file_path(g_, clip + QStringLiteral("_last.jpg")))) {
        skip_unusable_clip(clip, clip + QStringLiteral("_last.jpg"));
        return false;
    }
    picFirst_->picture().set_size(352, 240);
    picLast_->picture().set_size(352, 240);
    place_player_normal(still);
    player_->set_visible(false);
    picFirst_->move(still);
    picLast_->move(still);
    picFirst_->raise();
    picFirst_->show();
    return true;
}

void PlaybackWindow::present_clip_stills(const QString& clip)
{
    // Every way out of the turn leaves the prompt timer off.
    const auto endCycle = qScopeGuard([this] { timer1_.stop(); });
    const QString spokenName =
        clip_file_path(g_, clip + QStringLiteral(".wav")).chopped(4);  // play_sound adds ".wav"

    player_->set_auto_start(true);
    yield();
    if (flags_.LeaveRequested == 1)
        return;

    const QPoint still = still_position();
    if (!stack_stills(clip, still))
        return;

    if (!load_label(clip))
        return;
    wipe_label_in();
    play_sound(services_.sound, spokenName, QStringLiteral("DONT_LOOP"));
    yield();
    if (flags_.LeaveRequested == 1)
        return;
    draw_backdrop_and_label();

    PlayModeGate gate(play_mode(g_));
    wait_before_clip(gate);
    if (flags_.SkipRequested != 0)
        return remove_label_after_skip();
    if (flags_.LeaveRequested == 1)
        return;

    respond_with_hand();

    const QString movie = clip_file_path(g_, clip + QStringLiteral(".mpg"));
    if (g_.ScreenSize == 3 || g_.ScreenSize == 2) {
        picMp1_->raise();
        enlarge_player();
        player_->set_file_name(movie);
        yield();
        if (flags_.LeaveRequested == 1)
            return;
    }
    if (g_.ScreenSize == 1) {
        raise_player_on_first_frame();
        player_->set_file_name(movie);
    }

    // Until the clip has ended; each pass sleeps until the player or the
    // learner has something new.
    bool started = false;
    gate.play_from(services_.clock.now_ms());
    for (;;) {
        const int16_t first = player_->play_state(), second = player_->play_state();
        if (!started && second == VideoPlayer::Playing) {
            started = true;
            events_.clip_started(clip);
        }
        if (first != VideoPlayer::Waiting && second != VideoPlayer::Playing)
            break;
        yield_while_playing(gate);
        if (flags_.LeaveRequested == 1) {
            player_->stop();
            player_->set_file_name(QString());
            return;
        }
        if (!play_on_in_mode(clip, still, gate))
            return;
    }

    raisePlayerOnFirstFrame_ = false;
    if (clip_failed(clip, still, g_.ScreenSize == 3 || g_.ScreenSize == 2))
        return;
    events_.clip_ended(clip);
    picLast_->show();
    picLast_->raise();
    pictures_.Background.repaint();
    if (flags_.LeaveRequested == 1)
        return;
    if (!restore_after_enlarged_clip(still))
        return;
    wait_after_clip(still);
}
