#pragma once
// Sizes the playback pictures, clears the drawing area and draws the TV set or
// theater backdrop with the hand at rest beside it.

#include "playback/playback_pictures.h"

#include <QPoint>
#include <QString>

struct GlobVars;

// Where everything stands for one kind of backdrop, on Background.
struct BackdropGeometry {
    QString picture;  // file name in the data folder
    BlitRect backdrop;  // source (0, 0) of pb3
    QPoint hand;  // top left of the hand at rest
    QPoint marker;  // top left of the 100 x 100 marker square
    QPoint movie_area;  // top left of the 352 x 240 player area
};

// BackgroundKind 1 is the TV set; every other value the theater.
const BackdropGeometry& backdrop_geometry(int16_t background_kind);

// Background 641 x 481, the other pictures 640 x 480.
void init_pictureboxes(PlaybackPictures& pictures);

// Blacks Background from (0, 0) to (639, 479).
void clear_backdrop(PlaybackPictures& pictures);

// Draws the backdrop of g.BackgroundKind and the hand over what Background
// shows, outlines the drawing area in the frame colour and sets the
// rectangles and g.MarkerLeft, g.MarkerTop. A picture that cannot be loaded
// is left out (the rectangles are set all the same) and its path returned;
// the result is empty when everything was drawn.
[[nodiscard]] QString draw_backdrop(PlaybackPictures& pictures, GlobVars& g);
