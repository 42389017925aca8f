#include "playback/layout.h"

#include "state/globvars.h"
#include "media/blit.h"
#include "media/playback_layout.h"

#include <algorithm>

namespace {
constexpr int AreaWidth = 640;
constexpr int AreaHeight = 480;
const QRgb FrameColour = qRgb(180, 130, 70);

// One-pixel outline of the box from (0, 0) to (right, bottom), corners included.
void outline(Picture& target, int right, int bottom, QRgb colour)
{
    fill_box(target, QRect(0, 0, right + 1, 1), colour);
    fill_box(target, QRect(0, bottom, right + 1, 1), colour);
    fill_box(target, QRect(0, 0, 1, bottom + 1), colour);
    fill_box(target, QRect(right, 0, 1, bottom + 1), colour);
}

BackdropGeometry geometry_at(const QString& picture, const BackdropPlace& place)
{
    const QRect& backdrop = place.backdrop;
    return {picture,
            {int16_t(backdrop.x()), int16_t(backdrop.y()), int16_t(backdrop.width()),
             int16_t(backdrop.height()), 0, 0},
            place.hand,
            place.marker,
            place.movie_area.topLeft()};
}
}  // namespace

const BackdropGeometry& backdrop_geometry(int16_t background_kind)
{
    static const BackdropGeometry tv = geometry_at(QStringLiteral("aobj_tv.jpg"), TvPlace);
    static const BackdropGeometry theater = geometry_at(QStringLiteral("aobj_thr.jpg"), TheaterPlace);
    return background_kind == 1 ? tv : theater;
}

void init_pictureboxes(PlaybackPictures& p)
{
    p.Background.picture().set_size(AreaWidth + 1, AreaHeight + 1);
    for (Picture* store : {&p.PB1, &p.pb2, &p.pb3, &p.pb4, &p.PBW, &p.pbw2})
        store->set_size(AreaWidth, AreaHeight);
}

void clear_backdrop(PlaybackPictures& p)
{
    blank_rect({0, 0, AreaWidth, AreaHeight, 0, 0}, p.Background.picture());
}

QString draw_backdrop(PlaybackPictures& p, GlobVars& g)
{
    const BackdropGeometry& geometry = backdrop_geometry(g.BackgroundKind);
    Picture& background = p.Background.picture();
    QString missing;

    p.BackdropRect = geometry.backdrop;
    const QString backdropPath = g.DataFolder + geometry.picture;
    if (p.pb3.load(backdropPath)) {
        // Kept inside the 640 x 480 area: the TV set's last row would reach
        // the 481st, which a mid-size clip leaves uncovered, a line under it.
        BlitRect inArea = p.BackdropRect;
        inArea.width = int16_t(std::min<int>(inArea.width, AreaWidth - inArea.x));
        inArea.height = int16_t(std::min<int>(inArea.height, AreaHeight - inArea.y));
        copy_rect(inArea, p.pb3, background);
    } else
        missing = backdropPath;

    const QString handPath = g.DataFolder + QStringLiteral("aobj_hnd.jpg");
    const bool handLoaded = p.PB1.load(handPath);
    if (!handLoaded && missing.isEmpty())
        missing = handPath;
    p.HandRect = {int16_t(geometry.hand.x()), int16_t(geometry.hand.y()), HandWidth, HandHeight, 0, 0};
    g.MarkerLeft = int16_t(geometry.marker.x());
    g.MarkerTop = int16_t(geometry.marker.y());
    if (handLoaded)
        copy_rect(p.HandRect, p.PB1, background);
    p.HandMaskRect = p.HandRect;
    p.HandMaskRect.source_y = HandMaskRow;

    outline(background, background.width() - 3, background.height() - 3, FrameColour);
    return missing;
}
