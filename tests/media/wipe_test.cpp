#include "media/blit.h"
#include "media/test_pictures.h"
#include "media/wipe.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
// Records the destination after every frame and every delay asked for.
struct WipeRecorder {
    std::vector<QImage> frames;
    std::vector<QRect> areas;
    std::vector<double> delays;

    void attach(Picture& dest)
    {
        dest.set_change_listener([this, &dest](const QRect& area) {
            frames.push_back(dest.image().copy());
            areas.push_back(area);
        });
    }
    Pacer pacer()
    {
        return [this](double count) { delays.push_back(count); };
    }
};

// The same frames described another way: frame i of a slide shifts the whole
// source by an offset and shows it only in a band of the rectangle.
QImage expected_after_frame(QImage dest, const QImage& source, const BlitRect& r, int direction, int mode,
                            int i)
{
    for (int frame = 1; frame <= i; ++frame) {
        const bool in = mode == 2;
        const bool horizontal = direction <= 2;
        const int size = horizontal ? r.width : r.height;
        const bool nearEdge = direction == 1 || direction == 3;  // left or top
        // Offset of the source within the rectangle, and the band drawn.
        const int shift = in ? (nearEdge ? -(size - frame) : size - frame) : (nearEdge ? -frame : frame);
        const int bandStart = in ? (nearEdge ? 0 : size - frame) : (nearEdge ? 0 : frame);
        const int bandEnd = in ? (nearEdge ? frame : size) : (nearEdge ? size - frame : size);
        for (int row = 0; row < r.height; ++row)
            for (int col = 0; col < r.width; ++col) {
                const int along = horizontal ? col : row;
                if (along < bandStart || along >= bandEnd)
                    continue;
                const int sx = r.source_x + col - (horizontal ? shift : 0);
                const int sy = r.source_y + row - (horizontal ? 0 : shift);
                if (dest.valid(r.x + col, r.y + row) && source.valid(sx, sy))
                    dest.setPixel(r.x + col, r.y + row, source.pixel(sx, sy));
            }
    }
    return dest;
}
}  // namespace

TEST(Wipe, EveryDirectionAndModeMatchesTheReferenceFrameByFrame)
{
    const BlitRect rect{3, 2, 7, 5, 2, 1};
    for (int16_t direction = 1; direction <= 4; ++direction)
        for (int16_t mode = 1; mode <= 2; ++mode) {
            Picture source(12, 9), dest(16, 10);
            paint_pattern(source, 40);
            paint_pattern(dest, 90);
            const QImage start = dest.image().copy();
            WipeRecorder recorder;
            recorder.attach(dest);
            wipe_picture_paced(rect, source, dest, direction, mode, 12.5, recorder.pacer());

            const int n = direction <= 2 ? rect.width : rect.height;
            EXPECT_EQ(recorder.delays, std::vector<double>(n, 12.5));
            // Mode 1's last frame has nothing left to draw.
            ASSERT_EQ(int(recorder.frames.size()), mode == 2 ? n : n - 1);
            for (int i = 1; i <= int(recorder.frames.size()); ++i)
                ASSERT_EQ(recorder.frames[i - 1],
                          expected_after_frame(start, source.image(), rect, direction, mode, i))
                    << "direction " << direction << " mode " << mode << " frame " << i;
        }
}

TEST(Wipe, SlidingInFromTheRightEndsAsAPlainCopy)
{
    const BlitRect rect{4, 1, 3, 2, 1, 0};
    Picture source(5, 3), dest(9, 4), copied(9, 4);
    paint_pattern(source, 6);
    WipeRecorder recorder;
    recorder.attach(dest);
    wipe_picture_paced(rect, source, dest, 2, 2, 0, recorder.pacer());
    copy_rect(rect, source, copied);

    const std::vector<QRect> areas = {QRect(6, 1, 1, 2), QRect(5, 1, 2, 2), QRect(4, 1, 3, 2)};
    EXPECT_EQ(recorder.areas, areas);
    EXPECT_EQ(dest.image(), copied.image());
}

TEST(Wipe, OtherModesOnlySpendTheDelays)
{
    Picture source(8, 8), dest(8, 8);
    paint_pattern(source, 1);
    WipeRecorder recorder;
    recorder.attach(dest);
    wipe_picture_paced({0, 0, 5, 3, 0, 0}, source, dest, 1, 3, 7, recorder.pacer());
    wipe_picture_paced({0, 0, 5, 3, 0, 0}, source, dest, 4, 0, 7, recorder.pacer());
    EXPECT_EQ(recorder.delays.size(), 8u);
    EXPECT_TRUE(recorder.frames.empty());
}

TEST(Wipe, NothingHappensWithoutStepsOrWithAnUnknownDirection)
{
    Picture source(8, 8), dest(8, 8);
    WipeRecorder recorder;
    recorder.attach(dest);
    for (int16_t direction : {1, 2})
        wipe_picture_paced({0, 0, 0, 5, 0, 0}, source, dest, direction, 2, 1, recorder.pacer());
    for (int16_t direction : {3, 4})
        wipe_picture_paced({0, 0, 5, -2, 0, 0}, source, dest, direction, 2, 1, recorder.pacer());
    for (int16_t direction : {0, 5, -1})
        wipe_picture_paced({0, 0, 5, 5, 0, 0}, source, dest, direction, 2, 1, recorder.pacer());
    EXPECT_TRUE(recorder.delays.empty());
    EXPECT_TRUE(recorder.frames.empty());
}

TEST(Wipe, WithTheRealDelayTheLabelStandsInPlace)
{
    Picture source(30, 20), dest(60, 40), copied(60, 40);
    paint_pattern(source, 11);
    const BlitRect rect{25, 10, 30, 20, 0, 0};
    wipe_picture(rect, source, dest, 1, 2, 100);
    copy_rect(rect, source, copied);
    EXPECT_EQ(dest.image(), copied.image());
}
