#include "state/globvars.h"
#include "media/blit.h"
#include "media/test_pictures.h"
#include "playback/layout.h"
#include "playback/stage_layout.h"

#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QRgb Frame = qRgb(180, 130, 70);

// A data folder with its own backdrop and hand pictures of the real sizes.
struct DataFolder {
    QTemporaryDir dir;
    DataFolder()
    {
        write("aobj_tv.jpg", 397, 364, 1);
        write("aobj_thr.jpg", 629, 350, 2);
        write("aobj_hnd.jpg", 184, 179, 3);
    }
    void write(const QString& name, int width, int height, int seed)
    {
        Picture picture(width, height);
        paint_pattern(picture, seed);
        picture.image().save(dir.filePath(name), "JPG", 95);
    }
    QImage decoded(const QString& name) const { return rgb32(QImage(dir.filePath(name))); }
    QString prefix() const { return dir.path() + '/'; }
};

struct LayoutFixture : ::testing::Test {
    DataFolder data;
    GlobVars g;
    PlaybackPictures pictures;

    void SetUp() override
    {
        g.DataFolder = data.prefix();
        init_pictureboxes(pictures);
    }
    Picture& background() { return pictures.Background.picture(); }

    // The drawing area after a backdrop drawn over `before`, composed independently.
    QImage expected(const QImage& before, const QString& backdrop, QPoint at, QPoint hand) const
    {
        QImage result = before.copy();
        QPainter painter(&result);
        painter.setClipRect(0, 0, 640, 480);  // nothing reaches the 481st row or column
        painter.drawImage(at, data.decoded(backdrop));
        painter.setClipping(false);
        painter.drawImage(hand, data.decoded("aobj_hnd.jpg"), QRect(0, 0, 184, 89));
        painter.setPen(Frame);
        painter.drawLine(0, 0, 638, 0);
        painter.drawLine(0, 478, 638, 478);
        painter.drawLine(0, 0, 0, 478);
        painter.drawLine(638, 0, 638, 478);
        return result;
    }
};
}  // namespace

TEST_F(LayoutFixture, InitSizesThePicturesAndClearBlacksTheDrawingArea)
{
    EXPECT_EQ(pictures.Background.size(), QSize(641, 481));
    for (const Picture* store :
         {&pictures.PB1, &pictures.pb2, &pictures.pb3, &pictures.pb4, &pictures.PBW, &pictures.pbw2})
        EXPECT_EQ(store->size(), QSize(640, 480));

    fill_box(background(), background().rect(), qRgb(9, 9, 9));
    clear_backdrop(pictures);
    const QImage& image = background().image();
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(639, 479), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(640, 200), qRgb(9, 9, 9));
    EXPECT_EQ(image.pixel(300, 480), qRgb(9, 9, 9));
}

TEST_F(LayoutFixture, TvSetOnABlackArea)
{
    g.BackgroundKind = 1;
    clear_backdrop(pictures);
    const QImage before = background().image().copy();
    EXPECT_EQ(draw_backdrop(pictures, g), QString());

    EXPECT_EQ(pictures.BackdropRect, (BlitRect{120, 117, 397, 364, 0, 0}));
    EXPECT_EQ(pictures.HandRect, (BlitRect{70, 17, 184, 89, 0, 0}));
    EXPECT_EQ(pictures.HandMaskRect, (BlitRect{70, 17, 184, 89, 0, 90}));
    EXPECT_EQ(g.MarkerLeft, 190);
    EXPECT_EQ(g.MarkerTop, 85);
    EXPECT_EQ(background().image(), expected(before, "aobj_tv.jpg", {120, 117}, {70, 17}));
    EXPECT_EQ(background().image().pixel(0, 478), Frame);
    EXPECT_EQ(background().image().pixel(639, 479), qRgb(0, 0, 0));
    // The TV set's last row would lie under a mid-size clip, a line of its own.
    EXPECT_EQ(background().image().pixel(300, 480), before.pixel(300, 480));
}

TEST_F(LayoutFixture, EveryOtherKindIsTheTheaterOverWhatWasThere)
{
    for (int16_t kind : {2, 0, -7}) {
        g.BackgroundKind = kind;
        paint_pattern(background(), kind + 50);
        const QImage before = background().image().copy();
        EXPECT_EQ(draw_backdrop(pictures, g), QString());

        EXPECT_EQ(pictures.BackdropRect, (BlitRect{5, 125, 629, 350, 0, 0}));
        EXPECT_EQ(pictures.HandRect, (BlitRect{415, 18, 184, 89, 0, 0}));
        EXPECT_EQ(pictures.HandMaskRect, (BlitRect{415, 18, 184, 89, 0, 90}));
        EXPECT_EQ(g.MarkerLeft, 530);
        EXPECT_EQ(g.MarkerTop, 100);
        EXPECT_EQ(background().image(), expected(before, "aobj_thr.jpg", {5, 125}, {415, 18}))
            << "kind " << kind;
    }
}

TEST_F(LayoutFixture, AMissingPictureIsReportedAndTheRestIsDrawn)
{
    g.BackgroundKind = 1;
    QFile::remove(data.dir.filePath("aobj_tv.jpg"));
    clear_backdrop(pictures);
    EXPECT_EQ(draw_backdrop(pictures, g), data.prefix() + "aobj_tv.jpg");
    EXPECT_EQ(pictures.HandRect, (BlitRect{70, 17, 184, 89, 0, 0}));
    EXPECT_EQ(background().image().pixel(200, 200), qRgb(0, 0, 0));  // no backdrop
    EXPECT_EQ(background().image().pixel(0, 0), Frame);

    QFile::remove(data.dir.filePath("aobj_hnd.jpg"));
    QFile::remove(data.dir.filePath("aobj_thr.jpg"));
    g.BackgroundKind = 2;
    EXPECT_EQ(draw_backdrop(pictures, g), data.prefix() + "aobj_thr.jpg");
    EXPECT_EQ(g.MarkerLeft, 530);
    data.write("aobj_thr.jpg", 629, 350, 2);
    EXPECT_EQ(draw_backdrop(pictures, g), data.prefix() + "aobj_hnd.jpg");
}

// The stage's places as values, at every screen size on both backdrops, with
// one label and with the two a choice will show.
TEST(StageLayout, EverySizeAndBackdrop)
{
    const QSize screen(1024, 768);
    const std::vector<QSize> one{{120, 90}}, two{{120, 90}, {100, 80}};
    const QRect area(192, 144, 640, 480);
    const struct {
        int16_t size, kind;
        QRect movie, areaPlaying, playerPlaying;
    } cases[] = {
        {1, 1, {144, 220, 352, 240}, area, {144, 220, 352, 240}},
        {1, 2, {145, 160, 352, 240}, area, {145, 160, 352, 240}},
        {2, 1, {144, 220, 352, 240}, area, {0, 0, 640, 480}},
        {2, 2, {145, 160, 352, 240}, area, {0, 0, 640, 480}},
        {3, 1, {144, 220, 352, 240}, {0, 0, 1024, 768}, {0, 0, 1024, 768}},
        {3, 2, {145, 160, 352, 240}, {0, 0, 1024, 768}, {0, 0, 1024, 768}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "size " << c.size << ", backdrop " << c.kind);
        const StageLayout layout = stage_layout(screen, c.size, c.kind, two);
        EXPECT_EQ(layout.area, area);
        EXPECT_EQ(layout.movie, c.movie);
        EXPECT_EQ(layout.areaWhilePlaying, c.areaPlaying);
        EXPECT_EQ(layout.playerWhilePlaying, c.playerPlaying);
        // The TV set keeps its labels right, ending at 600; the theater left.
        const int firstLeft = c.kind == 1 ? 480 : 10, secondLeft = c.kind == 1 ? 500 : 10;
        ASSERT_EQ(layout.labels.size(), 2u);
        EXPECT_EQ(layout.labels[0], QRect(firstLeft, 20, 120, 90));
        EXPECT_EQ(layout.labels[1], QRect(secondLeft, 120, 100, 80)) << "below the first, apart from it";
        EXPECT_EQ(stage_layout(screen, c.size, c.kind, one).labels, std::vector<QRect>{layout.labels[0]});
        for (const QRect& label : layout.labels)
            EXPECT_TRUE(QRect(0, 0, 640, 480).contains(label) && !label.intersects(layout.movie));
    }
}

// The logical screens of a 1366 x 768 laptop and a 1920 x 1080 monitor at
// 100, 125, 150 and 200 %, and a small screen where the exit link would land
// on the TV set's label: the area is whole on the screen, smaller only where
// it must be, and the link is on screen, clear of the labels and the hand.
TEST(StageLayout, FitsWholeAtEveryScalingWithTheExitLinkClear)
{
    const QSize link(96, 34);
    const std::vector<QSize> two{{120, 90}, {100, 80}};
    const struct {
        QSize screen;
        double scale;  // 0 where only "less than 1" is asked
    } cases[] = {{{1366, 768}, 1}, {{1093, 614}, 1}, {{911, 512}, 1}, {{683, 384}, 0.8}, {{1920, 1080}, 1},
                 {{1536, 864}, 1}, {{1280, 720}, 1}, {{960, 540}, 1}, {{640, 480}, 0},   {{600, 400}, 0}};
    for (const auto& c : cases)
        for (int16_t kind : {1, 2})
            for (int16_t size : {1, 2, 3}) {
                SCOPED_TRACE(testing::Message() << c.screen.width() << "x" << c.screen.height()
                                                << ", backdrop " << kind << ", size " << size);
                const StageLayout layout = stage_layout(c.screen, size, kind, two, link);
                const QRect screen(QPoint(0, 0), c.screen);
                if (c.scale > 0)
                    EXPECT_DOUBLE_EQ(layout.scale, c.scale);
                else
                    EXPECT_LT(layout.scale, 1);
                EXPECT_TRUE(screen.contains(layout.area)) << "cut off";
                EXPECT_TRUE(screen.contains(layout.areaWhilePlaying));
                EXPECT_EQ(layout.area.size(), layout.view({0, 0, 640, 480}).size());
                EXPECT_TRUE(screen.contains(layout.exitLink));
                EXPECT_EQ(layout.exitLink.size(), link);
                const QPoint hand = kind == 1 ? QPoint(70, 17) : QPoint(415, 18);
                std::vector<QRect> kept = layout.labels;
                kept.emplace_back(hand, QSize(184, 89 + 35));  // as low as a press takes it
                for (const QRect& r : kept)
                    EXPECT_FALSE(layout.view(r).translated(layout.area.topLeft()).intersects(layout.exitLink))
                        << "the link covers " << r.x() << "," << r.y();
                if (size == 2) {  // the mid-size clip covers the area as it shows
                    EXPECT_EQ(layout.playerWhilePlaying, QRect(QPoint(0, 0), layout.area.size()));
                }
            }
    // At 200 % on the laptop the area fills the screen's height, centred.
    EXPECT_EQ(stage_layout({683, 384}, 1, 1, two, link).area, QRect(86, 0, 512, 384));
}
