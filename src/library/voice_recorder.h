#pragma once
// Records an adult saying a clip's name, through ffmpeg. The default input
// is ALSA's default capture device: on a desktop that leads to PulseAudio or
// PipeWire, so the microphone chosen in the sound settings is the one heard.

#include <QObject>
#include <QProcess>
#include <QStringList>

class VoiceRecorder : public QObject {
    Q_OBJECT
public:
    // A name is said in a few seconds; a recording left running stops here.
    static constexpr int LongestSeconds = 15;

    // input: ffmpeg's options naming what to record from.
    explicit VoiceRecorder(QStringList input = {"-f", "alsa", "-i", "default"}, QObject* parent = nullptr);
    ~VoiceRecorder() override;

    // Starts recording into wavPath (16-bit mono WAV). "" or a plain message.
    QString start(const QString& wavPath);
    // Ends the recording. "" when wavPath holds a recording with sound in it,
    // else what went wrong, in words for the adult.
    QString stop();
    bool recording() const { return process_.state() != QProcess::NotRunning; }
    // Sound has begun to arrive: what is said from now on is kept. Opening
    // the microphone can take a moment, longer on a busy computer.
    bool hearing() const { return hearing_; }

signals:
    void hearing_began();
    // The recording ended without stop(): at the longest length, or because
    // the microphone could not be used. stop() then tells the outcome.
    void ended_by_itself();

private:
    QStringList input_;
    QProcess process_;
    QString path_;
    bool stopping_ = false;
    bool hearing_ = false;
};
