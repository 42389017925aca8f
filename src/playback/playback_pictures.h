#pragma once
// The playback window's pictures and the rectangles drawn with them: the
// visible drawing area and the off-screen stores and work buffers. The
// playback window owns one of these; Background becomes its child widget.

#include "media/blit_rect.h"
#include "media/picture.h"
#include "media/picture_box.h"

class QWidget;

struct PlaybackPictures {
    explicit PlaybackPictures(QWidget* window = nullptr)
        : Background(window)
    {
    }

    PictureBox Background;  // the drawing area the learner sees
    Picture PB1;  // hand picture, its mask below it
    Picture pb2;  // save buffer of the pressing hand
    Picture pb3;  // backdrop picture
    Picture pb4;  // label and calibration pictures
    Picture PBW;  // composition buffer of the pressing hand
    Picture pbw2;  // save area of the marker square

    BlitRect BackdropRect;  // backdrop from pb3 onto Background
    BlitRect HandRect;  // hand from PB1 onto Background
    BlitRect HandMaskRect;  // its mask: HandRect with the mask's source row
};
