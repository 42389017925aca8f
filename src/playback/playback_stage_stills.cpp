// The stage's stills and the player: stacking a clip's stills, showing them,
// and placing the player at its normal or enlarged place.
#include "playback/playback_stage.h"

#include "media/blit.h"
#include "media/playback_layout.h"
#include "media/video_player.h"
#include "playback/layout.h"
#include "state/globvars.h"

#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <algorithm>

bool PlaybackStage::stack_stills(const QString& first, const QString& last, QString& unreadable)
{
    offering_ = false;
    // Held back from the screen until the first still is in front: the new
    // last still must not be seen before its time.
    pictures_.Background.setUpdatesEnabled(false);
    const auto showStacked = qScopeGuard([this] {
        pictures_.Background.setUpdatesEnabled(true);
        pictures_.Background.repaint();  // now: the wipe and the sound that follow do not yield
    });
    playerBox_->show();  // hidden while a choice was offered
    for (auto [box, path] : {std::pair(first_, first), std::pair(last_, last)})
        if (!box->picture().load(path)) {
            unreadable = path;
            return false;
        }
    firstFrame_ = first_->picture().image();
    last_->picture().set_size(StillWidth, StillHeight);
    place_player_normal();
    player_->set_visible(false);
    const StageLayout now = layout();
    const QRect still = now.view(now.movie);
    show_first_still(still);
    last_->move(still.topLeft());
    first_->raise();
    first_->show();
    return true;
}

void PlaybackStage::show_first_still(QRect place)
{
    Picture& picture = first_->picture();
    const bool normal = place.size() == QSize(StillWidth, StillHeight);
    picture.set_size(place.width(), place.height());
    picture.edit(QRect(QPoint(0, 0), place.size()), [&](QImage& image) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::black);
        if (normal)  // at its own place the still shows as it was made, from its top left
            return painter.drawImage(0, 0, firstFrame_);
        // Larger, the player keeps the clip's shape: black bars where the area's differs.
        const QSize fitted = firstFrame_.size().scaled(place.size(), Qt::KeepAspectRatio);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(
            QRect(QPoint((place.width() - fitted.width()) / 2, (place.height() - fitted.height()) / 2),
                  fitted),
            firstFrame_);
    });
    first_->move(place.topLeft());
}

void PlaybackStage::show_last_still()
{
    last_->show();
    last_->raise();
    pictures_.Background.repaint();
}

void PlaybackStage::show_player_on_first_frame()
{
    raiseOnFirstFrame_ = true;
}

void PlaybackStage::forget_first_frame()
{
    raiseOnFirstFrame_ = false;
}

void PlaybackStage::place_player_normal()
{
    offering_ = false;
    const StageLayout now = layout();
    place_player(now.view(now.movie));
}

void PlaybackStage::place_player(const QRect& place)
{
    player_->resize(place.width(), place.height());
    playerBox_->setGeometry(place);
    player_->move(0, 0);
}

void PlaybackStage::place_normal(const StageLayout& now)
{
    pictures_.Background.set_scale(now.scale);
    last_->set_scale(now.scale);
    pictures_.Background.move(now.area.topLeft());
    const QRect movie = now.view(now.movie);
    place_player(movie);
    last_->move(movie.topLeft());
}

void PlaybackStage::place_enlarged(const StageLayout& now)
{
    // Full screen moves the drawing area to the screen's corner and shows it
    // at its own size; mid size leaves it where it stands.
    if (now.areaWhilePlaying != now.area) {
        pictures_.Background.set_scale(1);
        pictures_.Background.move(now.areaWhilePlaying.topLeft());
        pictures_.Background.picture().set_size(now.areaWhilePlaying.width(), now.areaWhilePlaying.height());
    } else {
        pictures_.Background.set_scale(now.scale);
        pictures_.Background.move(now.area.topLeft());
    }
    place_player(now.playerWhilePlaying);
    if (raiseOnFirstFrame_ && !first_->isHidden())
        show_first_still(now.playerWhilePlaying);
}

bool PlaybackStage::enlarges() const
{
    return g_.ScreenSize == 2 || g_.ScreenSize == 3;
}

void PlaybackStage::enlarge_player()
{
    const StageLayout now = layout();
    pictures_.Background.hide();
    // Until the clip's first frame is drawn the area shows the first still,
    // as large as the clip will be, never black.
    place_enlarged(now);
    if (raiseOnFirstFrame_ && !first_->isHidden()) {  // the area itself is hidden here
        first_->raise();
    } else {
        playerBox_->raise();
    }
    enlarged_ = true;
    pictures_.Background.show();
}

void PlaybackStage::restore_normal_layout()
{
    pictures_.Background.hide();
    // 640 x 480 here, not the 641 x 481 of the window's own layout.
    pictures_.Background.picture().set_size(AreaWidth, AreaHeight);
    const StageLayout now = layout();
    place_normal(now);
    if (!first_->isHidden() && !firstFrame_.isNull())
        show_first_still(now.view(now.movie));
    enlarged_ = false;
    pictures_.Background.show();
}
