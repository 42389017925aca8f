// A sound output that takes the samples but never reports them played (the
// default ALSA device pointed at a null sink) must not hold the program: a
// synchronous play ends by the sound's own length plus a short margin.
// Its own executable, because the sound library reads its set-up once a process.
#include "media/media_fixtures.h"
#include "media/mpv_sound_output.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <gtest/gtest.h>

namespace {

TEST(UndrainedSoundOutput, SynchronousPlayEndsByTheSoundsLengthPlusAMargin)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QFile asoundrc(home.filePath(".asoundrc"));
    ASSERT_TRUE(asoundrc.open(QIODevice::WriteOnly));
    asoundrc.write("pcm.!default { type null }\n");
    asoundrc.close();
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("PULSE_SERVER", "unix:/nonexistent");  // no sound server: ALSA it is

    const QString tone = home.filePath("tone.wav");
    ASSERT_TRUE(make_tone_wav(tone, 1.0));
    MpvSoundOutput output;

    for (int round = 0; round < 2; ++round) {
        QElapsedTimer clock;
        clock.start();
        auto played = std::async(std::launch::async, [&] { output.play(tone, false); });
        if (played.wait_for(std::chrono::seconds(6)) != std::future_status::ready) {
            // The play never returns: report it and end rather than hang the run.
            std::fprintf(stderr, "A synchronous play of a 1 s sound was still waiting after 6 s.\n");
            std::_Exit(1);
        }
        const double seconds = clock.elapsed() / 1000.0;
        EXPECT_GE(seconds, 0.9) << "round " << round;
        // Length 1 s + margin 1 s, and time to open and stop on a busy machine.
        EXPECT_LE(seconds, 3.5) << "round " << round;
    }
}

}  // namespace
