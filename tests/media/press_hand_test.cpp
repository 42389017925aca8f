#include "media/blit.h"
#include "media/press_hand.h"
#include "fakes/recording_sound.h"
#include "media/test_pictures.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
constexpr int HandW = 6, HandH = 4, MaskY = 5;

// Hand in the top rows (a diagonal-ish blob, black around it), its mask from
// row MaskY (black on the hand, white elsewhere).
bool on_hand(int x, int y)
{
    return (x + y) % 3 != 0;
}
QRgb hand_colour(int x, int y)
{
    return qRgb(200 + x, 100 + y * 10, 50);
}

void draw_hand(Picture& source)
{
    source.edit(source.rect(), [](QImage& image) {
        for (int y = 0; y < HandH; ++y)
            for (int x = 0; x < HandW; ++x) {
                image.setPixel(x, y, on_hand(x, y) ? hand_colour(x, y) : qRgb(0, 0, 0));
                image.setPixel(x, MaskY + y, on_hand(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            }
    });
}

// The rectangle as frame k must show it: black down to row h0, the original
// backdrop below, and the hand k rows down.
QImage expected_frame(const QImage& backdrop, const BlitRect& r, int distance, int k)
{
    QImage result = backdrop.copy();
    for (int row = 0; row < r.height + distance; ++row)
        for (int col = 0; col < r.width; ++col) {
            const int handRow = row - k;
            QRgb pixel = row <= r.height ? qRgb(0, 0, 0) : backdrop.pixel(r.x + col, r.y + row);
            if (handRow >= 0 && handRow < r.height && on_hand(col, handRow))
                pixel = hand_colour(col, handRow);
            result.setPixel(r.x + col, r.y + row, pixel);
        }
    return result;
}

struct PressFixture : ::testing::Test {
    Picture source{HandW, 2 * HandH + 1}, target{20, 60}, save{40, 80}, composition{40, 80};
    const BlitRect sprite{7, 3, HandW, HandH, 0, 0};
    const BlitRect mask{7, 3, HandW, HandH, 0, MaskY};
    QImage backdrop;
    std::vector<QImage> frames;
    std::vector<double> delays;
    RecordingSound sound;
    std::vector<int> framesBeforeSound;

    void SetUp() override
    {
        draw_hand(source);
        paint_pattern(target, 21);
        blit(target, sprite.x, sprite.y, HandW, HandH, source, 0, 0, RasterOp::SrcCopy);  // at rest
        backdrop = target.image().copy();
        target.set_change_listener([this](const QRect&) { frames.push_back(target.image().copy()); });
        sound.onPlay = [this] { framesBeforeSound.push_back(int(frames.size())); };
    }

    void press(int16_t distance, int16_t increment)
    {
        press_hand_paced(sprite, mask, distance, source, target, save, composition, 3.5, increment, "click",
                         sound, [this](double count) { delays.push_back(count); });
    }
};
}  // namespace

TEST_F(PressFixture, TheHandGoesDownAndBackOnePixelPerFrameWithTheSoundAtTheBottom)
{
    press(5, 1);
    const std::vector<int> positions = {1, 2, 3, 4, 5, 4, 3, 2, 1, 0};
    ASSERT_EQ(frames.size(), positions.size());
    for (size_t f = 0; f < frames.size(); ++f)
        ASSERT_EQ(frames[f], expected_frame(backdrop, sprite, 5, positions[f])) << "frame " << f;
    EXPECT_EQ(delays, std::vector<double>(10, 3.5));
    EXPECT_EQ(sound.played, QStringList{"click.wav"});
    EXPECT_EQ(framesBeforeSound, std::vector<int>{5});
    EXPECT_FALSE(sound.looped);
}

TEST_F(PressFixture, AFullPressLeavesOnlyTheRowsOfTheHandChanged)
{
    press(35, 1);
    EXPECT_EQ(frames.size(), 70u);
    EXPECT_EQ(delays.size(), 70u);
    EXPECT_EQ(framesBeforeSound, std::vector<int>{35});
    // At rest again: hand over black in rows y0..y0+h0, the backdrop restored below.
    EXPECT_EQ(target.image(), expected_frame(backdrop, sprite, 35, 0));
}

TEST_F(PressFixture, ZeroDistanceOnlyPlaysTheSound)
{
    press(0, 1);
    EXPECT_TRUE(frames.empty());
    EXPECT_TRUE(delays.empty());
    EXPECT_EQ(sound.played.size(), 1);
    EXPECT_EQ(target.image(), backdrop);
}

TEST_F(PressFixture, AStepBelowOneStillEndsAndAnUnevenStepEndsAtRest)
{
    press(4, 0);
    EXPECT_EQ(frames.size(), 8u);
    press(4, -3);
    EXPECT_EQ(frames.size(), 16u);

    frames.clear();
    delays.clear();
    press(6, 2);  // down 1, 3, 5; up 5, 3, 1; then to rest
    const std::vector<int> positions = {1, 3, 5, 5, 3, 1, 0};
    ASSERT_EQ(frames.size(), positions.size());
    for (size_t f = 0; f < frames.size(); ++f)
        EXPECT_EQ(frames[f], expected_frame(backdrop, sprite, 6, positions[f])) << "frame " << f;
    EXPECT_EQ(delays.size(), 6u);
}

TEST_F(PressFixture, TheRealDelayDrawsTheSameFrames)
{
    const double delay = 50;
    const int16_t increment = 1;
    press_hand(sprite, mask, 2, 3, source, target, save, composition, delay, increment, "prompt", sound);
    EXPECT_EQ(frames.size(), 6u);
    EXPECT_EQ(sound.played, QStringList{"prompt.wav"});
    EXPECT_EQ(target.image(), expected_frame(backdrop, sprite, 3, 0));
}
