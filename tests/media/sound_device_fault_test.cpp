// Sound output without a working device: none at all, or one that goes away
// while a sound plays. A play must still end by the sound's length plus a
// short margin, and the next play too. Each case runs in a child process of
// its own, because the sound library reads its device set-up once a process.
#include "media/media_fixtures.h"
#include "media/mpv_sound_output.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr double ToneSeconds = 1.0;
constexpr double LongestPlay = 3.5;  // length + margin 1 s, and a busy machine

// Plays the tone twice in a child whose default ALSA device is `device`;
// the child's exit code is the number of plays that took too long, 99 when
// it had to be killed.
int plays_too_long(const QByteArray& device, const QString& tone)
{
    QTemporaryDir home;
    QFile asoundrc(home.filePath(".asoundrc"));
    if (!asoundrc.open(QIODevice::WriteOnly))
        return -1;
    asoundrc.write("pcm.!default " + device + "\n");
    asoundrc.close();
    const pid_t child = fork();
    if (child == 0) {
        setenv("HOME", home.path().toLocal8Bit().constData(), 1);
        setenv("PULSE_SERVER", "unix:/nonexistent", 1);  // no sound server: ALSA it is
        setenv("PIPEWIRE_REMOTE", "/nonexistent", 1);
        MpvSoundOutput output;
        int late = 0;
        for (int round = 0; round < 2; ++round) {
            QElapsedTimer clock;
            clock.start();
            output.play(tone, false);
            late += clock.elapsed() > LongestPlay * 1000;
        }
        _exit(late);
    }
    QElapsedTimer waited;
    waited.start();
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (waited.elapsed() > 15000) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return 99;
        }
        usleep(20000);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST(SoundDeviceFault, PlaysEndInTimeWithNoDeviceAndWithADeviceThatGoesAway)
{
    QTemporaryDir dir;
    const QString tone = dir.filePath("tone.wav");
    ASSERT_TRUE(make_tone_wav(tone, ToneSeconds));
    EXPECT_EQ(plays_too_long("{ type hw card 42 }", tone), 0) << "no sound card";
    // The samples go into a pipe whose reader stops after a tenth of the
    // tone, as a device pulled out mid-sound stops taking them. SIGPIPE is
    // how the pipe says so; a real device answers with an error instead.
    signal(SIGPIPE, SIG_IGN);
    const QString taken = dir.filePath("taken");
    EXPECT_EQ(plays_too_long("{ type file slave.pcm null file \"|head -c 4000 > " + taken.toLocal8Bit()
                                 + "\" format raw }",
                             tone),
              0)
        << "a device that went away";
    signal(SIGPIPE, SIG_DFL);
    EXPECT_EQ(QFile(taken).size(), 4000) << "the sound never reached the device";
}

}  // namespace
