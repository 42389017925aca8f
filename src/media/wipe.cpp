#include "media/wipe.h"

#include "media/blit.h"

namespace {
enum class Slide { In, Out };

// Frame i of a slide: which part of the source goes where. Plain ints, so the
// sums cannot wrap even for rectangles at the edge of the 16-bit range.
void draw_frame(const BlitRect& r, const Picture& source, Picture& dest, int direction, Slide slide, int i)
{
    const int x = r.x, y = r.y, w = r.width, h = r.height, sx = r.source_x, sy = r.source_y;
    const auto copy = [&](int dx, int dy, int cw, int ch, int fromX, int fromY) {
        blit(dest, dx, dy, cw, ch, source, fromX, fromY, RasterOp::SrcCopy);
    };
    if (slide == Slide::In) {
        switch (direction) {
        case 1: copy(x, y, i, h, sx + w - i, sy); break;  // rightmost i columns at the left
        case 2: copy(x + w - i, y, i, h, sx, sy); break;  // leftmost i columns at the right
        case 3: copy(x, y, w, i, sx, sy + h - i); break;  // bottom i rows at the top
        case 4: copy(x, y + h - i, w, i, sx, sy); break;  // top i rows at the bottom
        }
    } else {
        switch (direction) {
        case 1: copy(x, y, w - i, h, sx + i, sy); break;
        case 2: copy(x + i, y, w - i, h, sx, sy); break;
        case 3: copy(x, y, w, h - i, sx, sy + i); break;
        case 4: copy(x, y + i, w, h - i, sx, sy); break;
        }
    }
}
}  // namespace

void wipe_picture(const BlitRect& rect, const Picture& source, Picture& dest, int16_t direction, int16_t mode,
                  double delay)
{
    wipe_picture_paced(rect, source, dest, direction, mode, delay, kill_time);
}

void wipe_picture_paced(const BlitRect& rect, const Picture& source, Picture& dest, int16_t direction,
                        int16_t mode, double delay, const Pacer& pace)
{
    if (direction < 1 || direction > 4)
        return;
    const int frames = direction <= 2 ? rect.width : rect.height;
    for (int i = 1; i <= frames; ++i) {
        if (mode == 2)
            draw_frame(rect, source, dest, direction, Slide::In, i);
        else if (mode == 1)
            draw_frame(rect, source, dest, direction, Slide::Out, i);
        pace(delay);
    }
}
