// What both presentation cycles share: the label picture, the backdrop, and
// the player's place at each screen size.

#include "playback/playback_window.h"

#include "media/blit.h"
#include "media/press_hand.h"
#include "media/video_player.h"
#include "media/wipe.h"
#include "playback/calibration_bounds.h"
#include "playback/layout.h"
#include "state/clip_list.h"
#include "state/globvars.h"

#include <algorithm>

namespace {
constexpr int StillWidth = 352;
constexpr int StillHeight = 240;
}  // namespace

QPoint PlaybackWindow::still_position() const
{
    return backdrop_geometry(g_.BackgroundKind).movie_area;
}

bool PlaybackWindow::load_label(const QString& clip)
{
    Picture& label = pictures_.pb4;
    if (!label.load(clip_file_path(g_, clip + QStringLiteral(".jpg")))) {
        skip_unusable_clip(clip, clip + QStringLiteral(".jpg"));
        return false;
    }
    const int16_t width = int16_t(label.width()), height = int16_t(label.height());
    labelRect_ = {int16_t(g_.BackgroundKind == 1 ? 600 - width : 10), 20, width, height, 0, 0};
    return true;
}

double PlaybackWindow::bounded_count(double calibration, int delays) const
{
    // The start-up check clears a calibration that is far too long, but this
    // computer may have slowed down since, and no animation may keep Esc from
    // working for more than a few seconds.
    return std::min(calibration, longest_delay_count(delays, kill_time_seconds_per_pass()));
}

void PlaybackWindow::wipe_label_in()
{
    const int16_t direction = g_.BackgroundKind == 1 ? 2 : 1;  // one frame per column
    wipe_picture_paced(labelRect_, pictures_.pb4, pictures_.Background.picture(), direction, 2,
                       bounded_count(g_.WipeCalibration, labelRect_.width), services_.pace);
}

void PlaybackWindow::press_the_hand(int16_t distance, const QString& sound)
{
    press_the_hand_at(distance, bounded_count(g_.PressCalibration, 2 * distance), sound);
}

void PlaybackWindow::press_the_hand_at(int16_t distance, double delay, const QString& sound)
{
    press_hand_paced(pictures_.HandRect, pictures_.HandMaskRect, distance, pictures_.PB1,
                     pictures_.Background.picture(), pictures_.pb2, pictures_.PBW, delay, 1, sound,
                     services_.sound, services_.pace);
}

void PlaybackWindow::draw_backdrop_and_label()
{
    (void)draw_backdrop(pictures_, g_);  // its files were checked before the run began
    copy_rect(labelRect_, pictures_.pb4, pictures_.Background.picture());
}

void PlaybackWindow::remove_label_after_skip()
{
    remove_progress();
    if (g_.ScreenSize == 1)
        blank_rect(labelRect_, pictures_.Background.picture());
    else
        clear_backdrop(pictures_);
}

void PlaybackWindow::place_player_normal(QPoint position)
{
    player_->resize(StillWidth, StillHeight);
    picMp1_->resize(player_->width(), player_->height());
    picMp1_->move(position);
    player_->move(0, 0);
}

void PlaybackWindow::enlarge_player()
{
    const bool fullScreen = g_.ScreenSize == 3;
    const QSize size = fullScreen ? screen_pixels() : QSize(640, 480);
    pictures_.Background.hide();
    // Full screen moves the drawing area to the screen's corner; mid size
    // leaves it where it stands.
    if (fullScreen) {
        pictures_.Background.move(0, 0);
        pictures_.Background.picture().set_size(size.width(), size.height());
    }
    picMp1_->setGeometry(QRect(QPoint(0, 0), size));
    player_->move(0, 0);
    player_->resize(size.width(), size.height());
    pictures_.Background.show();
}

void PlaybackWindow::restore_normal_layout(QPoint position)
{
    pictures_.Background.hide();
    // 640 x 480 here, not the 641 x 481 of the window's own layout.
    pictures_.Background.picture().set_size(640, 480);
    pictures_.Background.move(centred_area());
    player_->move(0, 0);
    picMp1_->move(position);
    player_->resize(StillWidth, StillHeight);
    picMp1_->resize(player_->width(), player_->height());
    pictures_.Background.show();
}

void PlaybackWindow::raise_player_on_first_frame()
{
    // The first still is the clip's first frame: it stays in front until the
    // clip really shows, so the area never goes black in between.
    raisePlayerOnFirstFrame_ = true;
}

bool PlaybackWindow::clip_failed(const QString& clip, QPoint still, bool enlarged)
{
    const QString why = player_->failure();
    if (why.isEmpty())
        return false;
    skip_unusable_clip(clip, clip + QStringLiteral(".mpg"), why);
    end_turn_early(still, enlarged);
    return true;
}

void PlaybackWindow::end_turn_early(QPoint still, bool enlarged)
{
    if (enlarged)
        restore_normal_layout(still);
    remove_label_after_skip();
    place_player_normal(still);
}

bool PlaybackWindow::restore_after_enlarged_clip(QPoint still)
{
    if (g_.ScreenSize != 2 && g_.ScreenSize != 3)
        return true;
    restore_normal_layout(still);
    yield();
    if (flags_.LeaveRequested == 1)
        return false;
    draw_backdrop_and_label();
    return true;
}

void PlaybackWindow::wait_after_clip(QPoint still)
{
    input_.set_wait_phase(2);
    wait_for_response();
    input_.set_wait_phase(0);
    timer1_.stop();
    blank_rect(labelRect_, pictures_.Background.picture());
    place_player_normal(still);
}
