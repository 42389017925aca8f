// The dwell's progress mark painted on the two backdrops' darkest colours:
// which part of the ring is filled, and that it stays inside its area.

#include "media/dwell_mark.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

TEST(DwellMark, FillsClockwiseFromTheTopAndStaysInItsArea)
{
    const QSize window(1024, 768);
    const int radius = dwell_mark_radius(window);
    EXPECT_EQ(radius, 44);
    const QPoint centre(300, 200);
    const int middle = radius - std::max(6, radius * 2 / 5) / 2;
    const QPoint right = centre + QPoint(middle, 0), left = centre - QPoint(middle, 0);
    const QPoint top = centre - QPoint(0, middle);
    const QRgb yellow = qRgb(255, 200, 0), white = qRgb(255, 255, 255);

    struct Case {
        double progress;
        QRgb top, right, left;
    };
    const Case cases[] = {{0.0, white, white, white},
                          {0.5, yellow, yellow, white},
                          {1.0, yellow, yellow, yellow},
                          {3.0, yellow, yellow, yellow}};
    // The TV set's black surround and the theater's dark curtain.
    for (QRgb backdrop : {qRgb(0, 0, 0), qRgb(90, 10, 20)}) {
        for (const Case& c : cases) {
            QImage image(window, QImage::Format_RGB32);
            image.fill(backdrop);
            QPainter painter(&image);
            paint_dwell_mark(painter, centre, radius, c.progress);
            painter.end();
            EXPECT_EQ(image.pixel(top), c.top) << c.progress;
            EXPECT_EQ(image.pixel(right), c.right) << c.progress;
            EXPECT_EQ(image.pixel(left), c.left) << c.progress;
            EXPECT_EQ(image.pixel(centre), backdrop) << "the ring is hollow";
            const QRect area = dwell_mark_area(centre, radius);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (!area.contains(x, y) && image.pixel(x, y) != backdrop)
                        FAIL() << "painted outside its area at " << x << "," << y;
        }
    }
}

}  // namespace
