// Where the playback window places the backdrops and the hand in its
// 640 x 480 drawing area. The pictures are drawn to fit these positions.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

inline constexpr int kHandWidth = 184;
inline constexpr int kHandHeight = 89;      // picture rows; the mask starts at row 90
inline constexpr int kHandMaskTop = 90;
inline constexpr int kPressDepth = 35;      // how far the hand moves down at a press
inline constexpr int kFingertipX = 155;     // column of the fingertip in the hand picture
inline constexpr int kMarkerSize = 100;

struct BackdropLayout {
    QPoint origin;      // the backdrop picture's top-left corner in the drawing area
    QSize size;         // the backdrop picture's size
    QRect screen;       // the movie area, in picture coordinates
    QPoint handAtRest;  // the hand picture's top-left corner in the drawing area
    QPoint marker;      // the marker square's top-left corner in the drawing area
};

inline constexpr BackdropLayout kTvLayout{{120, 117}, {397, 364}, {24, 103, 352, 240}, {70, 17}, {190, 85}};
inline constexpr BackdropLayout kTheaterLayout{{5, 125}, {629, 350}, {140, 35, 352, 240}, {415, 18}, {530, 100}};

// The fingertip's lowest point during a press, in the backdrop picture's
// coordinates: the switch is drawn to touch it.
inline constexpr QPoint pressed_fingertip(const BackdropLayout& layout)
{
    return {layout.handAtRest.x() + kFingertipX - layout.origin.x(),
            layout.handAtRest.y() + kPressDepth + kHandHeight - 1 - layout.origin.y()};
}
