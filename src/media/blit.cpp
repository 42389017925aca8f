#include "media/blit.h"

#include <algorithm>
#include <cstring>

namespace {
template <typename Combine>
void combine_rows(uchar* dest, qsizetype destStride, const uchar* source, qsizetype sourceStride, int width,
                  int height, Combine combine)
{
    for (int row = 0; row < height; ++row) {
        auto* d = reinterpret_cast<quint32*>(dest + row * destStride);
        const auto* s = reinterpret_cast<const quint32*>(source + row * sourceStride);
        for (int col = 0; col < width; ++col)
            d[col] = combine(d[col], s[col]);
    }
}
}  // namespace

void blit(Picture& dest, int x, int y, int width, int height, const Picture& source, int source_x,
          int source_y, RasterOp op)
{
    if (width <= 0 || height <= 0)  // QRect would flip such a rectangle over
        return;
    // The source picture's bounds, placed where they would land on dest.
    const QPoint offset(x - source_x, y - source_y);
    const QRect area =
        QRect(x, y, width, height).intersected(dest.rect()).intersected(source.rect().translated(offset));
    if (area.isEmpty())
        return;

    QPoint from = area.topLeft() - offset;
    QImage sourceImage = source.image();  // shares the data, no copy
    if (&source == &dest) {
        // Overlapping transfers within one picture read the content as it was.
        sourceImage = sourceImage.copy(QRect(from, area.size()));
        from = QPoint(0, 0);
    }
    const uchar* src = sourceImage.constScanLine(from.y()) + from.x() * 4;
    const qsizetype srcStride = sourceImage.bytesPerLine();

    dest.edit(area, [&](QImage& image) {
        uchar* dst = image.scanLine(area.y()) + area.x() * 4;
        const qsizetype dstStride = image.bytesPerLine();
        switch (op) {
        case RasterOp::SrcCopy:
            for (int row = 0; row < area.height(); ++row)
                std::memcpy(dst + row * dstStride, src + row * srcStride, size_t(area.width()) * 4);
            break;
        case RasterOp::SrcAnd:
            combine_rows(dst, dstStride, src, srcStride, area.width(), area.height(),
                         [](quint32 d, quint32 s) { return d & s; });
            break;
        case RasterOp::SrcPaint:
            combine_rows(dst, dstStride, src, srcStride, area.width(), area.height(),
                         [](quint32 d, quint32 s) { return d | s; });
            break;
        }
    });
}

void fill_box(Picture& target, const QRect& box, QRgb colour)
{
    if (box.isEmpty())  // QRect would flip a box of negative size over
        return;
    const QRect area = box.intersected(target.rect());
    if (area.isEmpty())
        return;
    target.edit(area, [&](QImage& image) {
        for (int row = area.top(); row <= area.bottom(); ++row) {
            auto* line = reinterpret_cast<quint32*>(image.scanLine(row));
            std::fill(line + area.left(), line + area.left() + area.width(), quint32(colour | 0xff000000u));
        }
    });
}

void copy_rect(const BlitRect& rect, const Picture& source, Picture& dest)
{
    blit(dest, rect.x, rect.y, rect.width, rect.height, source, rect.source_x, rect.source_y,
         RasterOp::SrcCopy);
}

void blank_rect(const BlitRect& rect, Picture& target)
{
    // A rectangle without width or height blanks nothing (rather than the
    // sliver a box between its two corner points would cover).
    fill_box(target, QRect(rect.x, rect.y, rect.width, rect.height), qRgb(0, 0, 0));
}
