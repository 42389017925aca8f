#pragma once
// Where the stage puts everything, as values: the drawing area on the
// screen, the movie area, the player while a clip plays, the label slots and
// the exit link. No widget and no painting, so every screen size, scaling and
// backdrop can be checked.

#include <QRect>
#include <QSize>
#include <array>
#include <cstdint>
#include <vector>

inline constexpr int AreaWidth = 640;
inline constexpr int AreaHeight = 480;
inline constexpr int StillWidth = 352;
inline constexpr int StillHeight = 240;

struct StageLayout {
    // From the area's own pixels to the screen's: 1, or less where the area
    // would not fit whole (a small screen, or a desktop scaled up).
    double scale = 1;
    QRect area;  // the drawing area between clips, on the screen, as large as it shows
    QRect movie;  // the stills and the player between clips, in the area's own pixels
    QRect areaWhilePlaying;  // the drawing area while the clip plays, on the screen
    QRect playerWhilePlaying;  // the player while the clip plays, on that area in screen pixels
    std::vector<QRect> labels;  // one slot for each label picture, in the area's own pixels
    QRect exitLink;  // on the screen, clear of the labels and the hand

    // A place in the area's own pixels, as it shows on the area.
    QRect view(const QRect& inArea) const;
};

// screenSize: 1 normal, 2 the drawing area, 3 the whole screen for the clip.
// backgroundKind 1 is the TV set, which keeps its labels at the right;
// further labels stand below the first. exitLink is the link's size; it
// stands in the screen's top right corner.
StageLayout stage_layout(QSize screen, int16_t screenSize, int16_t backgroundKind,
                         const std::vector<QSize>& labels, QSize exitLink = {});

// One of the two clips a choice offers: a card in the movie area framed in
// its side's colour, its label picture above its first still.
struct ChoiceCard {
    QRect card;  // the frame's outer edge
    QRect label;  // the label picture, made smaller where it would not fit
    QRect still;  // the first still, in the clip's shape
};
inline constexpr int ChoiceFrameWidth = 8;  // the lit card's frame; the others' lie inside it

// The left and the right card side by side in the movie area, in the area's
// own pixels, so they are the same on both backdrops and at every screen size.
std::array<ChoiceCard, 2> choice_cards(const QRect& movie, QSize leftLabel, QSize rightLabel);
