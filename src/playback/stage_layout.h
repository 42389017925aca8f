#pragma once
// Where the stage puts everything, as values: the drawing area on the
// screen, the movie area, the player while a clip plays and the label slots.
// No widget and no painting, so every screen size and backdrop can be checked.

#include <QRect>
#include <QSize>
#include <cstdint>
#include <vector>

inline constexpr int AreaWidth = 640;
inline constexpr int AreaHeight = 480;
inline constexpr int StillWidth = 352;
inline constexpr int StillHeight = 240;

struct StageLayout {
    QRect area;  // the drawing area between clips, on the screen
    QRect movie;  // the stills and the player between clips, in the area
    QRect areaWhilePlaying;  // the drawing area while the clip plays, on the screen
    QRect playerWhilePlaying;  // the player while the clip plays, in that area
    std::vector<QRect> labels;  // one slot for each label picture, in the area
};

// screenSize: 1 normal, 2 the drawing area, 3 the whole screen for the clip.
// backgroundKind 1 is the TV set, which keeps its labels at the right;
// further labels stand below the first.
StageLayout stage_layout(QSize screen, int16_t screenSize, int16_t backgroundKind,
                         const std::vector<QSize>& labels);
