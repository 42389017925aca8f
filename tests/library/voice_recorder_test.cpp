// Recording a name through ffmpeg, from ffmpeg's own generated sound
// standing in for a microphone (played in real time, as a device delivers).
#include "library/voice_recorder.h"
#include "library/wav_check.h"
#include "support/wait_until.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QStringList generated(const QString& source)
{
    return {"-re", "-f", "lavfi", "-i", source};
}

double wav_seconds(const QString& path)
{
    return (QFileInfo(path).size() - 44) / (44100.0 * 2);  // 16-bit mono
}

TEST(VoiceRecorder, KeepsWhatWasSaidUntilStopAndTurnsDownSilence)
{
    QTemporaryDir dir;
    const QString wav = dir.filePath("name.wav");
    VoiceRecorder voice(generated("sine=frequency=300:sample_rate=48000"));
    QSignalSpy hearing(&voice, &VoiceRecorder::hearing_began);
    ASSERT_EQ(voice.start(wav), QString());
    ASSERT_TRUE(hearing.wait(10000));
    QThread::msleep(1200);
    EXPECT_TRUE(voice.recording());
    EXPECT_EQ(voice.stop(), QString());
    EXPECT_FALSE(voice.recording());
    EXPECT_EQ(wav_problem(wav), QString());
    EXPECT_GT(wav_seconds(wav), 0.6);
    EXPECT_LT(wav_seconds(wav), 3.0) << "stopped when asked, not at the longest length";

    VoiceRecorder muted(generated("anullsrc=sample_rate=48000"));
    QSignalSpy muted_hearing(&muted, &VoiceRecorder::hearing_began);
    ASSERT_EQ(muted.start(wav), QString());
    ASSERT_TRUE(muted_hearing.wait(10000));
    QThread::msleep(600);
    EXPECT_TRUE(muted.stop().contains("silent"));
}

TEST(VoiceRecorder, MicrophoneThatCannotBeOpenedEndsTheRecordingWithAPlainMessage)
{
    QTemporaryDir dir;
    const QString wav = dir.filePath("name.wav");
    VoiceRecorder voice({"-f", "alsa", "-i", "flickerbox-no-such-microphone"});
    QSignalSpy ended(&voice, &VoiceRecorder::ended_by_itself);
    ASSERT_EQ(voice.start(wav), QString());
    ASSERT_TRUE(wait_until([&] { return ended.count() == 1; }, 10000));
    const QString told = voice.stop();
    EXPECT_TRUE(told.startsWith("Nothing was recorded. Check that a microphone is plugged in"))
        << told.toStdString();
    EXPECT_FALSE(QFileInfo::exists(wav) && wav_problem(wav).isEmpty());
}

}  // namespace
