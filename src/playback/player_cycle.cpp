// One turn with the clip's first frame held by the player itself, for the
// systems that show a held player's picture.

#include "playback/playback_window.h"

#include "media/playback_layout.h"
#include "media/monotonic_clock.h"
#include "media/sound.h"
#include "media/video_player.h"
#include "state/clip_list.h"
#include "state/globvars.h"
#include "state/play_mode.h"

#include <QScopeGuard>

void PlaybackWindow::present_clip_player(const QString& clip)
{
    // Every way out of the turn leaves the prompt timer off.
    const auto endCycle = qScopeGuard([this] { timer1_.stop(); });
    const QString spokenName =
        clip_file_path(g_, clip + QStringLiteral(".wav")).chopped(4);  // play_sound adds ".wav"

    player_->set_auto_start(false);
    yield();
    if (flags_.LeaveRequested == 1)
        return;
    const QPoint still = still_position();
    place_player_normal(still);
    player_->set_visible(false);
    if (!load_label(clip))
        return;
    player_->set_file_name(clip_file_path(g_, clip + QStringLiteral(".mpg")));
    wipe_label_in();
    play_sound(services_.sound, spokenName, QStringLiteral("DONT_LOOP"));
    yield();
    if (flags_.LeaveRequested == 1)
        return;
    // A clip that cannot be opened has said so by now: the learner is not
    // asked to press for it.
    if (clip_failed(clip, still, false))
        return;
    draw_backdrop_and_label();
    player_->play();
    player_->pause();

    PlayModeGate gate(play_mode(g_));
    wait_before_clip(gate);
    // A skipped clip stays open and held until the next turn opens its own.
    if (flags_.SkipRequested != 0)
        return remove_label_after_skip();
    if (flags_.LeaveRequested == 1)
        return;

    respond_with_hand();
    if (g_.ScreenSize == 3 || g_.ScreenSize == 2) {
        enlarge_player();
        yield();
        if (flags_.LeaveRequested == 1)
            return;
    }
    player_->play();
    gate.play_from(services_.clock.now_ms());
    events_.clip_started(clip);
    // The clip plays to its end even when leaving was asked for meanwhile,
    // unless the mode holds it. A clip still opening is waited for: it
    // begins, or the player gives it up.
    while (player_->play_state() == VideoPlayer::Playing || player_->play_state() == VideoPlayer::Waiting) {
        yield_while_playing(gate);
        if (!play_on_in_mode(clip, still, gate))
            return;
    }
    // A clip the player gave up is told as left out, not as ended.
    if (player_->failure().isEmpty())
        events_.clip_ended(clip);
    if (flags_.LeaveRequested == 1)
        return;
    if (clip_failed(clip, still, g_.ScreenSize == 3 || g_.ScreenSize == 2))
        return;
    if (!restore_after_enlarged_clip(still))
        return;
    wait_after_clip(still);
}
