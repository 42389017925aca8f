#pragma once
// Block transfers between pictures, and filled boxes.

#include "media/blit_rect.h"
#include "media/picture.h"

#include <QRgb>

// How a transferred source pixel meets the destination pixel, per colour channel.
enum class RasterOp {
    SrcCopy,  // destination = source
    SrcAnd,  // destination = destination AND source
    SrcPaint,  // destination = destination OR source
};

// Transfers width x height pixels from (source_x, source_y) of source to (x, y)
// of dest. Only pixels that lie inside both pictures are touched; the rest of
// the rectangle is silently clipped. source and dest may be the same picture.
void blit(Picture& dest, int x, int y, int width, int height, const Picture& source, int source_x,
          int source_y, RasterOp op);

// Fills box (clipped to the picture) with colour.
void fill_box(Picture& target, const QRect& box, QRgb colour);

// The rectangle's content from source to dest, plainly copied.
void copy_rect(const BlitRect& rect, const Picture& source, Picture& dest);

// Blacks the target from (x, y) to (x + width - 1, y + height - 1).
void blank_rect(const BlitRect& rect, Picture& target);
