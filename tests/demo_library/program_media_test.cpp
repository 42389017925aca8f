// The program's own pictures and sounds fit the fixed layout of the
// playback window and work with the way the hand is drawn.
#include "library_files.h"
#include "mpv_frames.h"
#include "media/picture_difference.h"

#include <gtest/gtest.h>

namespace {

struct Layout {
    const char* file;
    QPoint origin;  // of the backdrop in the 640 x 480 drawing area
    QSize size;
    QRect screen;  // in picture coordinates
    QPoint hand;  // hand at rest, drawing area
    QPoint marker;  // 100 x 100 marker square, drawing area
};

const Layout Tv{"aobj_tv.jpg", {120, 117}, {397, 364}, {24, 103, 352, 240}, {70, 17}, {190, 85}};
const Layout Theater{"aobj_thr.jpg", {5, 125}, {629, 350}, {140, 35, 352, 240}, {415, 18}, {530, 100}};
constexpr int Press = 35;

void PrintTo(const Layout& layout, std::ostream* out)
{
    *out << layout.file;
}

QImage load(const char* name)
{
    return QImage(program_folder().filePath(name)).convertToFormat(QImage::Format_RGB888);
}

// The button's bright red; darker than this are curtains and outlines.
bool is_switch_red(QRgb c)
{
    return qRed(c) >= 210 && qGreen(c) <= 70 && qBlue(c) <= 70;
}

QImage hand_part(int top)
{
    return load("aobj_hnd.jpg").copy(0, top, 184, 89);
}

// The lowest pixel of the hand's mask: where the fingertip is.
QPoint fingertip()
{
    const QImage mask = hand_part(90);
    for (int y = mask.height() - 1; y >= 0; --y) {
        int sum = 0, count = 0;
        for (int x = 0; x < mask.width(); ++x)
            if (qGray(mask.pixel(x, y)) < 128) {
                sum += x;
                ++count;
            }
        if (count > 0)
            return {sum / count, y};
    }
    return {-1, -1};
}

class Backdrop : public ::testing::TestWithParam<Layout> { };

TEST_P(Backdrop, HasItsExactSizeAndADarkScreenInsideAFrame)
{
    const Layout& l = GetParam();
    const QImage image = load(l.file);
    ASSERT_EQ(image.size(), l.size);
    const QRect inside = l.screen.adjusted(2, 2, -2, -2);
    int darkest = 255, brightest = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const int g = qGray(image.pixel(x, y));
            darkest = std::min(darkest, g);
            brightest = std::max(brightest, g);
        }
    EXPECT_LT(brightest, 40);
    EXPECT_LE(brightest - darkest, 8) << "the screen area is not uniform";
    // Two pixels outside each edge of the screen is the frame, clearly lighter.
    const QRect ring = l.screen.adjusted(-3, -3, 3, 3);
    for (int x = ring.left(); x <= ring.right(); x += 7) {
        EXPECT_GT(qGray(image.pixel(x, ring.top())), 120) << "top edge at x " << x;
        EXPECT_GT(qGray(image.pixel(x, ring.bottom())), 120) << "bottom edge at x " << x;
    }
    for (int y = ring.top(); y <= ring.bottom(); y += 7) {
        EXPECT_GT(qGray(image.pixel(ring.left(), y)), 120) << "left edge at y " << y;
        EXPECT_GT(qGray(image.pixel(ring.right(), y)), 120) << "right edge at y " << y;
    }
}

TEST_P(Backdrop, SwitchLiesInTheMarkerSquareWhereThePressedFingerTouches)
{
    const Layout& l = GetParam();
    const QImage image = load(l.file);
    const QRect marker(l.marker, QSize(100, 100));
    QRect red;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (is_switch_red(image.pixel(x, y))) {
                const QPoint drawn = QPoint(x, y) + l.origin;
                EXPECT_TRUE(marker.contains(drawn)) << "red at " << drawn.x() << "," << drawn.y();
                red |= QRect(drawn, QSize(1, 1));
            }
    ASSERT_GE(red.width(), 24) << "no big switch drawn";
    const QPoint tip = fingertip() + l.hand + QPoint(0, Press);
    EXPECT_GE(tip.x(), red.left() + 4);
    EXPECT_LE(tip.x(), red.right() - 4);
    // Touching: the fingertip's lowest row meets the top of the button.
    EXPECT_NEAR(tip.y(), red.top(), 3);
}

INSTANTIATE_TEST_SUITE_P(TvAndTheater, Backdrop, ::testing::Values(Tv, Theater),
                         [](const auto& info) { return std::string(info.index == 0 ? "Tv" : "Theater"); });

TEST(Hand, PictureHasTheSizeTheLayoutNeeds)
{
    const QImage hand = load("aobj_hnd.jpg");
    EXPECT_EQ(hand.width(), 184);
    EXPECT_GE(hand.height(), 180);
    EXPECT_EQ(fingertip().y(), 88) << "the fingertip must be at the bottom of the hand";
}

// AND with the mask, then OR with the hand, as the press animation does.
// Outside the mask the backdrop must come through untouched; inside it
// only the hand may show.
TEST(Hand, MaskAndPictureLeaveNoFringeAfterJpegDecoding)
{
    const QImage hand = hand_part(0);
    const QImage mask = hand_part(90);
    int maskPixels = 0;
    for (const QRgb backdrop : {qRgb(255, 255, 255), qRgb(128, 128, 128), qRgb(240, 200, 120)}) {
        int worstOutside = 0, worstInside = 0;
        for (int y = 0; y < 89; ++y)
            for (int x = 0; x < 184; ++x) {
                const QRgb m = mask.pixel(x, y), h = hand.pixel(x, y);
                const QRgb out =
                    qRgb((qRed(backdrop) & qRed(m)) | qRed(h), (qGreen(backdrop) & qGreen(m)) | qGreen(h),
                         (qBlue(backdrop) & qBlue(m)) | qBlue(h));
                const QRgb expected = qGray(m) >= 128 ? backdrop : h;
                const int diff =
                    std::max({std::abs(qRed(out) - qRed(expected)), std::abs(qGreen(out) - qGreen(expected)),
                              std::abs(qBlue(out) - qBlue(expected))});
                if (qGray(m) >= 128)
                    worstOutside = std::max(worstOutside, diff);
                else {
                    worstInside = std::max(worstInside, diff);
                    ++maskPixels;
                }
            }
        EXPECT_LE(worstOutside, 3) << "backdrop " << std::hex << backdrop;
        EXPECT_LE(worstInside, 3) << "backdrop " << std::hex << backdrop;
    }
    EXPECT_GT(maskPixels, 3 * 1500) << "the hand is missing or tiny";
    // Row 89 separates the hand from its mask and stays black.
    const QImage whole = load("aobj_hnd.jpg");
    for (int x = 0; x < 184; ++x)
        EXPECT_LE(qGray(whole.pixel(x, 89)), 12) << "x " << x;
}

TEST(ProgramPictures, BannerCalibrationCardAndPointerLoad)
{
    const QImage banner = load("aobj_log.jpg");
    EXPECT_GE(banner.width(), 500);
    EXPECT_LE(banner.width(), 640);
    EXPECT_GE(banner.height(), 150);
    const QImage card = load("aobj_cal.jpg");
    EXPECT_GE(card.width(), 80);
    EXPECT_LE(card.height(), 97);  // stays above both backdrops
    const QImage pointer(program_folder().filePath("aobj_nul.ico"));
    ASSERT_EQ(pointer.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(qAlpha(pointer.pixel(x, y)), 0) << x << "," << y;
}

TEST(ProgramPictures, CalibrationClipPlays)
{
    const ClipEnds ends = decode_clip_ends(program_folder().filePath("timer.mpg"));
    ASSERT_FALSE(ends.first.isNull()) << ends.error.toStdString();
    EXPECT_EQ(ends.first.size(), QSize(352, 240));
    EXPECT_GT(mean_abs_difference(ends.first, ends.last), 0.2) << "the stopwatch does not move";
}

TEST(ProgramSounds, LengthsAndLevels)
{
    struct Expect {
        const char* file;
        double minSeconds, maxSeconds;
    };
    for (const Expect& e : {Expect{"aobj_gong.wav", 1.5, 3.0}, Expect{"aobj_clk.wav", 0.005, 0.1},
                            Expect{"aobj_prs.wav", 0.5, 3.0}}) {
        SCOPED_TRACE(e.file);
        const WavInfo wav = read_wav_info(program_folder().filePath(e.file));
        EXPECT_EQ(wav.format, 1);
        EXPECT_EQ(wav.bits, 16);
        EXPECT_EQ(wav.channels, 1);
        EXPECT_TRUE(wav.rate == 22050 || wav.rate == 44100) << wav.rate;
        EXPECT_GE(wav.seconds, e.minSeconds);
        EXPECT_LE(wav.seconds, e.maxSeconds);
        // Peaks near -3 dBFS: clearly heard, never clipped.
        EXPECT_GT(wav.peak, 0.5);
        EXPECT_LT(wav.peak, 0.9);
    }
}

TEST(Notices, EveryThirdPartyIngredientHasANotice)
{
    for (const char* name : {"NOTICE-emoji-font.txt", "NOTICE-voice.txt", "NOTICE-text-font.txt"}) {
        QFile file(program_folder().filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_GT(file.size(), 300) << name;
    }
}

}  // namespace
