#include "playback/stage_layout.h"

#include "media/playback_layout.h"

#include <QtMath>
#include <algorithm>

namespace {
constexpr int LabelTop = 20;
constexpr int LabelGap = 10;
constexpr int LabelLeft = 10;  // on the theater, at the left
constexpr int LabelRight = 600;  // on the TV set, the labels end here
constexpr int LinkMargin = 2;  // from the screen's edge
constexpr int LinkClearance = 4;  // between the link and what it must not cover
constexpr double ScaleStep = 0.02;
constexpr double SmallestScale = 0.25;

QRect scaled(const QRect& r, double scale)
{
    return QRectF(r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale).toAlignedRect();
}

// What the exit link must leave in sight: the labels and the hand, as low as
// a press takes it.
std::vector<QRect> kept_clear(int16_t backgroundKind, const std::vector<QRect>& labels)
{
    const BackdropPlace& place = backgroundKind == 1 ? TvPlace : TheaterPlace;
    std::vector<QRect> rects = labels;
    rects.emplace_back(place.hand, QSize(HandWidth, HandHeight + PressDistance));
    return rects;
}

bool clear_of(const QRect& link, QPoint origin, double scale, const std::vector<QRect>& rects)
{
    const QRect around = link.adjusted(-LinkClearance, -LinkClearance, LinkClearance, LinkClearance);
    return std::none_of(rects.begin(), rects.end(), [&](const QRect& r) {
        return around.intersects(scaled(r, scale).translated(origin));
    });
}
}  // namespace

QRect StageLayout::view(const QRect& inArea) const
{
    return scaled(inArea, scale);
}

StageLayout stage_layout(QSize screen, int16_t screenSize, int16_t backgroundKind,
                         const std::vector<QSize>& labels, QSize exitLink)
{
    StageLayout layout;
    int top = LabelTop;
    for (const QSize& label : labels) {
        const int left = backgroundKind == 1 ? LabelRight - label.width() : LabelLeft;
        layout.labels.emplace_back(QPoint(left, top), label);
        top += label.height() + LabelGap;
    }
    if (!exitLink.isEmpty())
        layout.exitLink = QRect(QPoint(screen.width() - exitLink.width() - LinkMargin, 0), exitLink);

    // Larger than the screen, the area is drawn smaller rather than cut: the
    // whole TV set or theater, the hand and the labels stay in sight, at the
    // cost of their size. Where the exit link would cover a label or the hand,
    // the area moves aside, and only if that is not enough shrinks further.
    const std::vector<QRect> clear = kept_clear(backgroundKind, layout.labels);
    const double fit =
        std::min({1.0, screen.width() / double(AreaWidth), screen.height() / double(AreaHeight)});
    for (double scale = fit;; scale -= ScaleStep) {
        const bool last = scale - ScaleStep < SmallestScale;
        layout.scale = std::max(scale, SmallestScale);
        const QSize shown = layout.view(QRect(0, 0, AreaWidth, AreaHeight)).size();
        const int centredLeft = qRound((screen.width() - shown.width()) / 2.0);
        const int centredTop = qRound((screen.height() - shown.height()) / 2.0);
        // Centred, else as far left as the screen allows, else also lower down.
        const QPoint tries[] = {
            {centredLeft, centredTop},
            {std::min(centredLeft, 0), centredTop},
            {std::min(centredLeft, 0), std::max(centredTop, screen.height() - shown.height())}};
        const QPoint* found = std::find_if(std::begin(tries), std::end(tries), [&](QPoint origin) {
            return layout.exitLink.isNull() || clear_of(layout.exitLink, origin, layout.scale, clear);
        });
        if (found != std::end(tries) || last) {
            layout.area = QRect(found != std::end(tries) ? *found : tries[0], shown);
            break;
        }
    }

    layout.movie = (backgroundKind == 1 ? TvPlace : TheaterPlace).movie_area;
    switch (screenSize) {
    case 3:  // the drawing area moves to the screen's corner and covers it
        layout.areaWhilePlaying = QRect(QPoint(0, 0), screen);
        layout.playerWhilePlaying = QRect(QPoint(0, 0), screen);
        break;
    case 2:
        layout.areaWhilePlaying = layout.area;
        layout.playerWhilePlaying = QRect(QPoint(0, 0), layout.area.size());
        break;
    default: layout.areaWhilePlaying = layout.area; layout.playerWhilePlaying = layout.view(layout.movie);
    }
    return layout;
}

std::array<ChoiceCard, 2> choice_cards(const QRect& movie, QSize leftLabel, QSize rightLabel)
{
    constexpr int Gap = 8;  // between the cards, so the two frames never read as one
    constexpr int Inner = 4;  // between the frame and what it holds
    const int cardWidth = (movie.width() - Gap) / 2;
    const int inside = cardWidth - 2 * (ChoiceFrameWidth + Inner);
    // As wide as the card allows, in the shape of the clip.
    const QSize still(inside, inside * StillHeight / StillWidth);
    std::array<ChoiceCard, 2> cards;
    const QSize labels[] = {leftLabel, rightLabel};
    for (int side = 0; side < 2; ++side) {
        ChoiceCard& c = cards[side];
        const QSize label = labels[side];
        c.card = QRect(movie.x() + side * (cardWidth + Gap), movie.y(), cardWidth, movie.height());
        const QRect within = c.card.adjusted(ChoiceFrameWidth + Inner, ChoiceFrameWidth + Inner,
                                             -ChoiceFrameWidth - Inner, -ChoiceFrameWidth - Inner);
        c.still = QRect(QPoint(within.x(), within.bottom() + 1 - still.height()), still);
        const QSize room(within.width(), within.height() - still.height() - Inner);
        const QSize shown = label.width() > room.width() || label.height() > room.height()
            ? label.scaled(room, Qt::KeepAspectRatio)
            : label;
        c.label = QRect(QPoint(within.x() + (room.width() - shown.width()) / 2,
                               within.y() + (room.height() - shown.height()) / 2),
                        shown);
    }
    return cards;
}
