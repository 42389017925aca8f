#include "library/voice_recorder.h"

#include "library/helper_program.h"
#include "library/spoken_name.h"
#include "library/wav_check.h"

#include <QFile>

namespace {

// Quieter than this at its loudest, a recording holds no voice: the
// microphone is muted, unplugged or turned right down.
constexpr double SilentBelowDb = -50;

}  // namespace

VoiceRecorder::VoiceRecorder(QStringList input, QObject* parent)
    : QObject(parent)
    , input_(std::move(input))
{
    connect(&process_, &QProcess::readyReadStandardOutput, this, [this] {
        while (process_.canReadLine()) {
            const QByteArray line = process_.readLine().trimmed();
            if (!hearing_ && line.startsWith("out_time_us=") && line.mid(12).toLongLong() > 0) {
                hearing_ = true;
                emit hearing_began();
            }
        }
    });
    connect(&process_, &QProcess::finished, this, [this] {
        if (!stopping_)
            emit ended_by_itself();
    });
}

VoiceRecorder::~VoiceRecorder()
{
    stop();
}

QString VoiceRecorder::start(const QString& wavPath)
{
    stop();
    path_ = wavPath;
    QFile::remove(path_);
    stopping_ = false;
    hearing_ = false;
    end_with_this_process(process_);
    // The progress report on standard output tells when sound begins to arrive.
    process_.start(QStringLiteral("ffmpeg"),
                   QStringList{"-hide_banner", "-nostats", "-v", "error", "-y", "-progress", "pipe:1",
                               "-stats_period", "0.1"}
                       + input_
                       + QStringList{"-t", QString::number(LongestSeconds), "-ac", "1", "-ar", "44100",
                                     "-c:a", "pcm_s16le", media_file_argument(path_)});
    if (!process_.waitForStarted(5000))
        return QStringLiteral("Recording needs ffmpeg, which is not installed on this computer.");
    return {};
}

QString VoiceRecorder::stop()
{
    if (path_.isEmpty())
        return {};
    if (recording()) {
        stopping_ = true;
        // "q" lets ffmpeg finish the file properly; a hung device is cut off.
        process_.write("q");
        process_.closeWriteChannel();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(1000);
        }
    }
    const QString problem = wav_problem(path_);
    if (!problem.isEmpty()) {
        const QString told = QString::fromLocal8Bit(process_.readAllStandardError()).trimmed();
        return QStringLiteral("Nothing was recorded. Check that a microphone is plugged in and chosen in the "
                              "computer's sound settings, then try again.")
            + (told.isEmpty() ? QString() : QStringLiteral("\n\n(%1)").arg(told.section(u'\n', -1)));
    }
    const std::optional<double> peak = peak_db(path_);
    if (!peak || *peak < SilentBelowDb)
        return QStringLiteral("The recording is silent. Check that the microphone is not muted or turned "
                              "down, then record again.");
    return {};
}
