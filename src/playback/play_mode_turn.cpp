// What the play modes add to both kinds of turn: several presses before the
// clip, and a clip held while it plays until the press that plays it on.

#include "playback/playback_window.h"

#include "media/blit.h"
#include "media/monotonic_clock.h"
#include "media/playback_layout.h"
#include "media/video_player.h"
#include "playback/progress_sign.h"
#include "state/globvars.h"

#include <QThread>

namespace {
// Longer than the gap between the two halves of a key's repeat on a busy
// computer, shorter than a frame.
constexpr int RepeatPairMs = 15;
}  // namespace

void PlaybackWindow::wait_before_clip(PlayModeGate& gate)
{
    input_.set_wait_phase(1);
    const int count = gate.presses_to_start();
    if (count > 1)
        show_progress(0, count);
    for (;;) {
        wait_for_response();
        if (flags_.SwitchPressed != 1)
            break;
        const bool starts = gate.press_starts_clip();
        if (count > 1)
            show_progress(gate.presses_made(), count);
        if (starts)
            break;
        press_the_hand(PressDistance, g_.DataFolder + QStringLiteral("aobj_clk"));
    }
    input_.set_wait_phase(0);
}

void PlaybackWindow::respond_with_hand()
{
    press_the_hand(PressDistance, g_.DataFolder + QStringLiteral("aobj_clk"));
    remove_progress();
}

void PlaybackWindow::yield_while_playing(const PlayModeGate& gate)
{
    if (const int64_t left = gate.ms_until_hold(services_.clock.now_ms()); left > 0)
        modeWake_.start(int(left));
    // Only a sampled switch needs the polling step to be seen let go.
    if (g_.PlayMode == PressAndHold)
        poll_input(true);
    else
        yield_until_event();
}

bool PlaybackWindow::switch_held_now()
{
    if (input_.switch_held() || g_.InputDevice != 7)
        return input_.switch_held();
    // A held key repeats as a release and a press sent together, which may
    // reach the program in two reads: the press is given the time to come.
    QThread::msleep(RepeatPairMs);
    poll_input(false);
    return input_.switch_held();
}

bool PlaybackWindow::play_on_in_mode(const QString& clip, QPoint still, PlayModeGate& gate)
{
    if (player_->play_state() != VideoPlayer::Playing
        || !gate.must_hold(switch_held_now(), services_.clock.now_ms()))
        return true;
    player_->hold_here();
    events_.clip_paused(clip, gate.played_ms(services_.clock.now_ms()));
    do {
        // Leaving asked for while the clip played: nothing more to wait for.
        if (flags_.LeaveRequested == 1)
            return false;
        input_.set_wait_phase(3);
        wait_for_response();
        input_.set_wait_phase(0);
        if (flags_.SwitchPressed != 1) {
            if (flags_.LeaveRequested != 1)
                end_turn_early(still, g_.ScreenSize == 2 || g_.ScreenSize == 3);
            return false;
        }
        respond_with_hand();
        // A switch let go during the hand holds the clip again at once.
        poll_input(false);
        gate.play_from(services_.clock.now_ms());
    } while (gate.must_hold(switch_held_now(), services_.clock.now_ms()));
    player_->play();
    return true;
}

void PlaybackWindow::show_progress(int made, int count)
{
    Picture& background = pictures_.Background.picture();
    if (progressArea_.isEmpty()) {
        progressArea_ = progress_sign_area(g_.BackgroundKind, count);
        progressUnder_.set_size(progressArea_.width(), progressArea_.height());
        blit(progressUnder_, 0, 0, progressArea_.width(), progressArea_.height(), background,
             progressArea_.x(), progressArea_.y(), RasterOp::SrcCopy);
    }
    background.edit(progressArea_,
                    [&](QImage& image) { draw_progress_sign(image, g_.BackgroundKind, made, count); });
}

void PlaybackWindow::remove_progress()
{
    if (progressArea_.isEmpty())
        return;
    blit(pictures_.Background.picture(), progressArea_.x(), progressArea_.y(), progressArea_.width(),
         progressArea_.height(), progressUnder_, 0, 0, RasterOp::SrcCopy);
    progressArea_ = QRect();
}
