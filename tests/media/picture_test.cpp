#include "media/blit.h"
#include "media/picture.h"
#include "media/picture_box.h"
#include "media/test_pictures.h"

#include <QEvent>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
}  // namespace

TEST(Picture, LoadTakesTheFileSizeAndFailureKeepsTheOldContent)
{
    QTemporaryDir dir;
    QImage file(37, 21, QImage::Format_RGB32);
    file.fill(qRgb(200, 40, 40));
    ASSERT_TRUE(file.save(dir.filePath("label.jpg"), "JPG", 100));
    QFile garbage(dir.filePath("broken.jpg"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a picture at all");
    garbage.close();

    Picture picture(640, 480);
    ASSERT_TRUE(picture.load(dir.filePath("label.jpg")));
    EXPECT_EQ(picture.size(), QSize(37, 21));
    EXPECT_EQ(picture.image().format(), QImage::Format_RGB32);
    EXPECT_NEAR(qRed(picture.image().pixel(18, 10)), 200, 4);

    const QImage before = picture.image();
    EXPECT_FALSE(picture.load(dir.filePath("missing.jpg")));
    EXPECT_FALSE(picture.load(dir.filePath("broken.jpg")));
    EXPECT_FALSE(picture.load(dir.path()));
    EXPECT_EQ(picture.image(), before);
}

TEST(Picture, TransparentPartsOfALoadedIconAreBlack)
{
    QTemporaryDir dir;
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    icon.setPixel(3, 4, qRgba(10, 250, 30, 255));
    ASSERT_TRUE(icon.save(dir.filePath("pointer.ico")));

    Picture picture;
    ASSERT_TRUE(picture.load(dir.filePath("pointer.ico")));
    EXPECT_EQ(picture.image().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(picture.image().pixel(3, 4), qRgb(10, 250, 30));
}

TEST(Picture, SetSizeKeepsWhatFitsAndBlacksTheNewArea)
{
    Picture picture(4, 3);
    paint_pattern(picture, 9);
    const QImage original = picture.image();

    picture.set_size(6, 2);
    ASSERT_EQ(picture.size(), QSize(6, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(picture.image().pixel(x, y), x < 4 ? original.pixel(x, y) : qRgb(0, 0, 0))
                << x << "," << y;

    picture.set_size(-5, 3);  // nonsense sizes leave an empty picture, not a crash
    EXPECT_TRUE(picture.rect().isEmpty());
}

TEST(PictureBox, FollowsItsPictureSizeAndShowsItsPixels)
{
    PictureBox box;
    box.picture().set_size(30, 20);
    EXPECT_EQ(box.size(), QSize(30, 20));
    paint_pattern(box.picture(), 2);
    EXPECT_EQ(rgb32(box.grab().toImage()), box.picture().image());
}

// Animations never return to the event loop between frames, so each change
// must be painted before the drawing call returns.
TEST(PictureBox, EveryChangeIsPaintedBeforeTheDrawingCallReturns)
{
    PictureBox box;
    box.picture().set_size(64, 48);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QCoreApplication::processEvents();

    PaintCounter counter;
    box.installEventFilter(&counter);
    Picture source(64, 48);
    paint_pattern(source, 1);
    for (int column = 0; column < 5; ++column) {
        blit(box.picture(), column, 0, 1, 48, source, column, 0, RasterOp::SrcCopy);
        EXPECT_EQ(counter.paints, column + 1);
    }
    blank_rect({100, 100, 5, 5, 0, 0}, box.picture());  // entirely outside: nothing to paint
    EXPECT_EQ(counter.paints, 5);
}
