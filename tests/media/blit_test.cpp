#include "media/blit.h"
#include "media/test_pictures.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
struct Transfer {
    int x, y, width, height, sourceX, sourceY;
};

// What a clipped transfer must leave: every destination pixel whose source
// pixel exists, combined; all others as they were.
QImage expected_after(const QImage& dest, const QImage& source, const Transfer& t, RasterOp op)
{
    QImage result = dest.copy();
    for (int dy = t.y; dy < t.y + t.height; ++dy)
        for (int dx = t.x; dx < t.x + t.width; ++dx) {
            const int sx = dx - t.x + t.sourceX, sy = dy - t.y + t.sourceY;
            if (!dest.valid(dx, dy) || !source.valid(sx, sy))
                continue;
            const QRgb d = dest.pixel(dx, dy), s = source.pixel(sx, sy);
            const auto channel = [op](int a, int b) {
                return op == RasterOp::SrcCopy ? b : op == RasterOp::SrcAnd ? (a & b) : (a | b);
            };
            result.setPixel(
                dx, dy,
                qRgb(channel(qRed(d), qRed(s)), channel(qGreen(d), qGreen(s)), channel(qBlue(d), qBlue(s))));
        }
    return result;
}
}  // namespace

TEST(Blit, EachRasterOpCombinesEveryChannelOnItsOwn)
{
    for (RasterOp op : {RasterOp::SrcCopy, RasterOp::SrcAnd, RasterOp::SrcPaint}) {
        Picture dest(2, 1), source(2, 1);
        fill_box(dest, dest.rect(), qRgb(0xf0, 0x3c, 0x55));
        fill_box(source, source.rect(), qRgb(0x0f, 0xfc, 0x5a));
        blit(dest, 0, 0, 2, 1, source, 0, 0, op);
        const QRgb want = op == RasterOp::SrcCopy ? qRgb(0x0f, 0xfc, 0x5a)
            : op == RasterOp::SrcAnd              ? qRgb(0x00, 0x3c, 0x50)
                                                  : qRgb(0xff, 0xfc, 0x5f);
        EXPECT_EQ(dest.image().pixel(1, 0), want) << int(op);
    }
}

TEST(Blit, ClipsAtTheEdgesOfBothPictures)
{
    const std::vector<Transfer> transfers = {
        {2, 3, 5, 4, 1, 1},  // wholly inside
        {-3, -2, 8, 6, 0, 0},  // off the destination's top left
        {10, 8, 9, 9, 0, 0},  // off the destination's bottom right
        {1, 1, 6, 6, -2, -3},  // source rectangle starts before the source
        {0, 0, 12, 10, 5, 4},  // runs past the source's far edges
        {-4, 2, 20, 3, -1, 2},  // clipped on both pictures at once
        {3, 3, 0, 5, 0, 0},  // no width
        {3, 8, 4, -2, 0, 0},  // negative height
        {8, 3, -3, 4, 2, 0},  // negative width
        {40, 0, 3, 3, 0, 0},  // nowhere on the destination
        {0, 0, 3, 3, 9, 0},  // nowhere in the source
    };
    for (RasterOp op : {RasterOp::SrcCopy, RasterOp::SrcAnd, RasterOp::SrcPaint})
        for (const Transfer& t : transfers) {
            Picture dest(14, 12), source(9, 8);
            paint_pattern(dest, 3);
            paint_pattern(source, 70);
            const QImage want = expected_after(dest.image(), source.image(), t, op);
            blit(dest, t.x, t.y, t.width, t.height, source, t.sourceX, t.sourceY, op);
            EXPECT_EQ(dest.image(), want) << "op " << int(op) << " at " << t.x << "," << t.y << " " << t.width
                                          << "x" << t.height << " from " << t.sourceX << "," << t.sourceY;
        }
}

TEST(Blit, OverlappingCopyWithinOnePictureReadsTheOriginal)
{
    Picture picture(10, 6);
    paint_pattern(picture, 5);
    const Transfer t{2, 1, 7, 5, 0, 0};
    const QImage want = expected_after(picture.image(), picture.image(), t, RasterOp::SrcCopy);
    blit(picture, t.x, t.y, t.width, t.height, picture, t.sourceX, t.sourceY, RasterOp::SrcCopy);
    EXPECT_EQ(picture.image(), want);
}

TEST(Blit, ReportsOnlyTheClippedAreaItChanged)
{
    Picture dest(20, 20), source(20, 20);
    std::vector<QRect> changes;
    dest.set_change_listener([&](const QRect& area) { changes.push_back(area); });
    copy_rect({-2, 15, 6, 10, 0, 0}, source, dest);
    copy_rect({30, 0, 5, 5, 0, 0}, source, dest);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], QRect(0, 15, 4, 5));
}

TEST(BlankRect, BlacksTheBoxWithBothCornersAndNothingElse)
{
    Picture picture(30, 30);
    fill_box(picture, picture.rect(), qRgb(255, 255, 255));
    blank_rect({10, 20, 5, 4, 7, 7}, picture);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            const bool inside = x >= 10 && x <= 14 && y >= 20 && y <= 23;
            ASSERT_EQ(picture.image().pixel(x, y), inside ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
                << x << "," << y;
        }
}

TEST(BlankRect, EmptyOrOutsideRectanglesChangeNothing)
{
    Picture picture(8, 8);
    paint_pattern(picture, 4);
    const QImage before = picture.image();
    blank_rect({2, 2, 0, 3, 0, 0}, picture);
    blank_rect({2, 2, 3, -1, 0, 0}, picture);
    blank_rect({-9, 2, 4, 4, 0, 0}, picture);
    EXPECT_EQ(picture.image(), before);

    blank_rect({6, -3, 10, 5, 0, 0}, picture);  // clipped, top right corner only
    EXPECT_EQ(picture.image().pixel(7, 1), qRgb(0, 0, 0));
    EXPECT_EQ(picture.image().pixel(5, 1), before.pixel(5, 1));
    EXPECT_EQ(picture.image().pixel(7, 2), before.pixel(7, 2));
}
