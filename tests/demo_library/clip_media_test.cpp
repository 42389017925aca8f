// Every clip named in the sequence files has its five files, and they load
// and play as the program expects.
#include "library_files.h"
#include "mpv_frames.h"
#include "media/picture_difference.h"

#include <gtest/gtest.h>

namespace {

QStringList clip_names()
{
    QStringList names;
    for (const QStringList& r : read_sequence_file(program_folder().filePath("aobj_sqc.seq")).records)
        names.append(r.value(0));
    return names;
}

TEST(ClipMedia, PicturesLoadWithTheirSizes)
{
    const QDir dir = program_folder();
    for (const QString& clip : clip_names()) {
        SCOPED_TRACE(clip.toStdString());
        const QImage label(dir.filePath(clip + ".jpg"));
        ASSERT_FALSE(label.isNull());
        EXPECT_GE(label.width(), 100);
        EXPECT_LE(label.width(), 160);
        // The label sits at the top of the screen, above both backdrops.
        EXPECT_LE(label.height(), 97);
        // A card with a dark border.
        EXPECT_LT(qGray(label.pixel(1, label.height() / 2)), 120);
        for (const char* suffix : {"_first.jpg", "_last.jpg"}) {
            const QImage still(dir.filePath(clip + suffix));
            ASSERT_FALSE(still.isNull()) << suffix;
            EXPECT_EQ(still.size(), QSize(352, 240)) << suffix;
        }
    }
}

TEST(ClipMedia, SpokenNamesArePlayableWaves)
{
    for (const QString& clip : clip_names()) {
        SCOPED_TRACE(clip.toStdString());
        const WavInfo wav = read_wav_info(program_folder().filePath(clip + ".wav"));
        EXPECT_EQ(wav.format, 1);
        EXPECT_EQ(wav.bits, 16);
        EXPECT_EQ(wav.channels, 1);
        EXPECT_TRUE(wav.rate == 22050 || wav.rate == 44100) << wav.rate;
        EXPECT_GT(wav.seconds, 0.4);
        EXPECT_LT(wav.seconds, 4.0);
        EXPECT_GT(wav.peak, 0.5);  // clearly audible
        EXPECT_LT(wav.peak, 0.95);  // and not clipped
    }
}

// The stills stand in for the clip before and after it plays, so they must
// be the frames a player really shows.
TEST(ClipMedia, ClipsDecodeAndTheirStillsMatchTheirEndFrames)
{
    const QDir dir = program_folder();
    for (const QString& clip : clip_names()) {
        SCOPED_TRACE(clip.toStdString());
        const ClipEnds ends = decode_clip_ends(dir.filePath(clip + ".mpg"));
        ASSERT_FALSE(ends.first.isNull()) << ends.error.toStdString();
        ASSERT_FALSE(ends.last.isNull()) << ends.error.toStdString();
        EXPECT_EQ(ends.first.size(), QSize(352, 240));
        const QImage first(dir.filePath(clip + "_first.jpg"));
        const QImage last(dir.filePath(clip + "_last.jpg"));
        EXPECT_LT(mean_abs_difference(ends.first, first), 4.0);
        EXPECT_LT(mean_abs_difference(ends.last, last), 4.0);
    }
}

TEST(ClipMedia, ClipsAreMpeg1SystemStreams)
{
    const QStringList clips = clip_names() << "timer";
    for (const QString& clip : clips) {
        SCOPED_TRACE(clip.toStdString());
        QFile file(program_folder().filePath(clip + ".mpg"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(5);
        // A pack header (00 00 01 BA) with the MPEG-1 marker bits 0010.
        EXPECT_EQ(head.left(4), QByteArray::fromHex("000001ba"));
        EXPECT_EQ(uchar(head.at(4)) >> 4, 0x2);
        EXPECT_LT(file.size(), 1500 * 1024);
    }
}

}  // namespace
