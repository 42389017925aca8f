// Wave output on libmpv: synchronous playing, silence for bad files, and no
// leftovers of one sound that cut the next one short.
#include "media/media_fixtures.h"
#include "media/mpv_sound_output.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class MpvSoundOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        tone = dir.filePath("tone.wav");
        ASSERT_TRUE(make_tone_wav(tone, 0.5)) << "ffmpeg could not make the test tone";
    }

    // Seconds one synchronous play of path takes.
    double timed_play(const QString& path)
    {
        QElapsedTimer clock;
        clock.start();
        output.play(path, false);
        return clock.elapsed() / 1000.0;
    }

    QTemporaryDir dir;
    QString tone;
    MpvSoundOutput output;
};

TEST_F(MpvSoundOutputTest, PlayReturnsOnlyWhenTheSoundHasEnded)
{
    EXPECT_GE(timed_play(tone), 0.4);
    // The second play of the same file must wait just as long: the end of
    // the first one must not be taken for the end of the second.
    EXPECT_GE(timed_play(tone), 0.4);
}

TEST_F(MpvSoundOutputTest, MissingAndBrokenFilesAreSilentAndLeaveTheNextSoundWhole)
{
    const QString broken = dir.filePath("broken.wav");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x5a'));
    file.close();

    output.play(dir.filePath("absent.wav"), false);
    output.play(broken, false);
    output.play(dir.path(), false);  // a folder is no sound either
    EXPECT_GE(timed_play(tone), 0.4);
}

TEST_F(MpvSoundOutputTest, LoopingSoundIsReplacedByTheNextPlay)
{
    output.play(tone, true);
    EXPECT_GE(timed_play(tone), 0.4);
}

TEST(PlaySound, AppendsTheExtensionAndWaitsForTheEnd)
{
    QTemporaryDir dir;
    ASSERT_TRUE(make_tone_wav(dir.filePath("gong.wav"), 0.5));
    MpvSoundOutput output;
    QElapsedTimer clock;
    clock.start();
    play_sound(output, dir.filePath("gong"), QStringLiteral("DONT_LOOP"));
    const double seconds = clock.elapsed() / 1000.0;
    EXPECT_GE(seconds, 0.4);
}

}  // namespace
