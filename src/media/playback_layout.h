#pragma once
// Where the playback window places the backdrops and the pressing hand in its
// 640 x 480 drawing area, in pixels. The program's own pictures are drawn to
// fit these places, so their generator reads the same numbers.

#include <QPoint>
#include <QRect>

// The hand picture: the hand in its top rows, its mask from HandMaskRow down.
inline constexpr int HandWidth = 184;
inline constexpr int HandHeight = 89;
inline constexpr int HandMaskRow = 90;
// How far the hand moves down at a press.
inline constexpr int PressDistance = 35;

struct BackdropPlace {
    QRect backdrop;  // the backdrop picture, at its own size
    QPoint hand;  // top left of the hand at rest
    QPoint marker;  // top left of the 100 x 100 marker square
    QRect movie_area;  // the player's area at normal size
};

// The hand stands 50 left of and 100 above the TV set, or 410 right of and
// 107 above the theater's corner.
inline constexpr BackdropPlace TvPlace{{120, 117, 397, 364}, {70, 17}, {190, 85}, {144, 220, 352, 240}};
inline constexpr BackdropPlace TheaterPlace{{5, 125, 629, 350}, {415, 18}, {530, 100}, {145, 160, 352, 240}};
