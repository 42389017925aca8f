#pragma once
// Brings a picture into its place, or slides it out, one pixel column (or row)
// per frame, each frame followed by the counting delay.

#include "media/blit_rect.h"
#include "media/kill_time.h"
#include "media/picture.h"

#include <cstdint>

// direction: 1 from/to the left, 2 from/to the right, 3 the top, 4 the bottom
// (anything else does nothing). mode 2 slides the source in until it stands
// whole in rect; mode 1 slides it out; any other mode only spends the delays.
// One frame per column (directions 1, 2) or row (3, 4) of rect, each a single
// transfer onto dest followed by kill_time(delay).
void wipe_picture(const BlitRect& rect, const Picture& source, Picture& dest, int16_t direction, int16_t mode,
                  double delay);

// The same, with pace(delay) in place of kill_time(delay).
void wipe_picture_paced(const BlitRect& rect, const Picture& source, Picture& dest, int16_t direction,
                        int16_t mode, double delay, const Pacer& pace);
