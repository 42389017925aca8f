#include "playback/playback_stage.h"

#include "media/blit.h"
#include "media/playback_layout.h"
#include "media/press_hand.h"
#include "media/video_player.h"
#include "media/wipe.h"
#include "playback/calibration_bounds.h"
#include "playback/layout.h"
#include "playback/progress_sign.h"
#include "state/globvars.h"

#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <algorithm>

namespace {
const QColor MarkerColour(0, 0, 255);
}  // namespace

PlaybackStage::PlaybackStage(QWidget& window, GlobVars& g, const Services& services)
    : window_(window)
    , g_(g)
    , services_(services)
    , pictures_(&window)
{
    set_label_count(1);
    pictures_.Background.setObjectName(QStringLiteral("Background"));
    first_ = new PictureBox(&pictures_.Background);
    first_->setObjectName(QStringLiteral("PicFirst"));
    last_ = new PictureBox(&pictures_.Background);
    last_->setObjectName(QStringLiteral("PicLast"));
    first_->hide();  // shown by the turns that use stills
    last_->hide();
    playerBox_ = new QWidget(&pictures_.Background);
    playerBox_->setObjectName(QStringLiteral("picMp1"));
    // The focus goes here when the player would take it; without a policy
    // that move silently fails.
    playerBox_->setFocusPolicy(Qt::StrongFocus);
    playerBox_->setAutoFillBackground(true);
    QPalette black = playerBox_->palette();
    black.setColor(QPalette::Window, Qt::black);
    playerBox_->setPalette(black);
    playerBox_->setGeometry(
        QRect(backdrop_geometry(g_.BackgroundKind).movie_area, QSize(StillWidth, StillHeight)));
    player_ = services_.make_player(playerBox_);
    QObject::connect(player_.get(), &VideoPlayer::first_frame_shown, playerBox_, [this] {
        if (std::exchange(raiseOnFirstFrame_, false))
            playerBox_->raise();
    });
}

PlaybackStage::~PlaybackStage() = default;

QSize PlaybackStage::screen() const
{
    return window_.screen()->geometry().size();
}

StageLayout PlaybackStage::layout() const
{
    std::vector<QSize> sizes;
    for (const auto& label : labels_)
        sizes.emplace_back(label->width(), label->height());
    return stage_layout(screen(), g_.ScreenSize, g_.BackgroundKind, sizes, exitLinkSize_);
}

void PlaybackStage::set_exit_link_size(QSize size)
{
    exitLinkSize_ = size;
}

void PlaybackStage::clear()
{
    const StageLayout now = layout();
    pictures_.Background.set_scale(now.scale);
    last_->set_scale(now.scale);
    pictures_.Background.move(now.area.topLeft());
    init_pictureboxes(pictures_);
    clear_backdrop(pictures_);
}

void PlaybackStage::lay_out_again()
{
    // Only places and sizes change: what the area, the stills and the player
    // show stays, so a clip or a wait goes on as it was.
    if (enlarged_) {
        place_enlarged(layout());
    } else {
        place_normal(layout());
        if (!first_->isHidden() && !firstFrame_.isNull())
            show_first_still(layout().view(layout().movie));
    }
}

void PlaybackStage::draw_backdrop()
{
    offering_ = false;
    (void)::draw_backdrop(pictures_, g_);  // its files were checked before the run began
}

void PlaybackStage::set_label_count(int count)
{
    labels_.resize(std::max(count, 1));
    for (auto& label : labels_)
        if (!label)
            label = std::make_unique<Picture>();
}

bool PlaybackStage::load_label(int slot, const QString& path)
{
    return labels_.at(slot)->load(path);
}

double PlaybackStage::bounded_count(double calibration, int delays) const
{
    // The start-up check clears a calibration that is far too long, but this
    // computer may have slowed down since, and no animation may keep Esc from
    // working for more than a few seconds.
    return std::min(calibration, longest_delay_count(delays, kill_time_seconds_per_pass()));
}

namespace {
BlitRect blit_rect(const QRect& r)
{
    return {int16_t(r.x()), int16_t(r.y()), int16_t(r.width()), int16_t(r.height()), 0, 0};
}
}  // namespace

void PlaybackStage::wipe_label_in(int slot)
{
    const BlitRect rect = blit_rect(layout().labels.at(slot));
    const int16_t direction = g_.BackgroundKind == 1 ? 2 : 1;  // one frame per column
    wipe_picture_paced(rect, *labels_.at(slot), pictures_.Background.picture(), direction, 2,
                       bounded_count(g_.WipeCalibration, rect.width), services_.pace);
}

void PlaybackStage::wipe_card_in(const Picture& card, double count)
{
    const BlitRect rect =
        blit_rect(stage_layout(screen(), 1, g_.BackgroundKind, {card.image().size()}).labels[0]);
    wipe_picture_paced(rect, card, pictures_.Background.picture(), 2, 2, count, services_.pace);
}

void PlaybackStage::draw_backdrop_and_labels()
{
    draw_backdrop();
    const StageLayout now = layout();
    for (size_t i = 0; i < labels_.size(); ++i)
        copy_rect(blit_rect(now.labels[i]), *labels_[i], pictures_.Background.picture());
}

void PlaybackStage::blank_labels()
{
    for (const QRect& slot : layout().labels)
        blank_rect(blit_rect(slot), pictures_.Background.picture());
}

void PlaybackStage::clear_after_skip()
{
    offering_ = false;
    remove_progress();
    if (g_.ScreenSize == 1)
        blank_labels();
    else
        clear_backdrop(pictures_);
}

void PlaybackStage::press_hand(int16_t distance, const QString& sound)
{
    press_hand_at(distance, bounded_count(g_.PressCalibration, 2 * distance), sound);
}

void PlaybackStage::press_hand_at(int16_t distance, double delay, const QString& sound)
{
    press_hand_paced(pictures_.HandRect, pictures_.HandMaskRect, distance, pictures_.PB1,
                     pictures_.Background.picture(), pictures_.pb2, pictures_.PBW, delay, 1, sound,
                     services_.sound, services_.pace);
}

void PlaybackStage::show_cross()
{
    Picture& background = pictures_.Background.picture();
    const int left = g_.MarkerLeft, top = g_.MarkerTop;
    blit(pictures_.pbw2, 0, 0, MarkerSize, MarkerSize, background, left, top, RasterOp::SrcCopy);
    background.edit(QRect(left, top, MarkerSize + 3, MarkerSize), [&](QImage& image) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(MarkerColour, 1));
        // Six one-pixel lines side by side make the two strokes three pixels thick.
        for (int i = 0; i <= 2; ++i) {
            painter.drawLine(left + 4 + i, top + 4, left + 96 + i, top + 96);
            painter.drawLine(left + 4 + i, top + 96, left + 96 + i, top + 4);
        }
    });
}

void PlaybackStage::hide_cross()
{
    blit(pictures_.Background.picture(), g_.MarkerLeft, g_.MarkerTop, MarkerSize, MarkerSize, pictures_.pbw2,
         0, 0, RasterOp::SrcCopy);
}

void PlaybackStage::show_progress(int made, int count)
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

void PlaybackStage::remove_progress()
{
    if (progressArea_.isEmpty())
        return;
    blit(pictures_.Background.picture(), progressArea_.x(), progressArea_.y(), progressArea_.width(),
         progressArea_.height(), progressUnder_, 0, 0, RasterOp::SrcCopy);
    progressArea_ = QRect();
}
