#include "library/spoken_name.h"

#include "library/helper_program.h"

#include <QFile>
#include <QRegularExpression>

std::optional<double> peak_db(const QString& path)
{
    const HelperResult r = run_helper(QStringLiteral("ffmpeg"),
                                      {"-hide_banner", "-nostats", "-i", media_file_argument(path), "-vn",
                                       "-af", "volumedetect", "-f", "null", "-"});
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("max_volume: (-?[0-9.]+) dB")).match(QString::fromLatin1(r.log));
    if (!r.ok || !m.hasMatch())
        return std::nullopt;
    return m.captured(1).toDouble();
}

QString make_spoken_name(const QString& title, const QString& recording, const QString& wavPath)
{
    QString source = recording;
    const QString spoken = wavPath + QStringLiteral(".speech.wav");
    if (source.isEmpty()) {
        // A slightly slow, higher voice reads well to young listeners.
        const HelperResult said = run_helper(
            QStringLiteral("espeak-ng"),
            {"-v", "en-gb+f3", "-s", "135", "-p", "55", "-w", plain_file_argument(spoken), "--", title});
        if (!said.ok)
            return QStringLiteral("The title could not be spoken by the speech synthesiser (%1).")
                .arg(said.problem);
        source = spoken;
    }
    const std::optional<double> peak = peak_db(source);
    if (!peak || *peak < -90) {
        QFile::remove(spoken);
        if (recording.isEmpty())
            return QStringLiteral(
                "The title could not be spoken by the speech synthesiser (it made no sound).");
        return QStringLiteral("The recording \"%1\" holds no sound that can be played.").arg(recording);
    }
    // The synthesiser starts and stops abruptly; the padding keeps a player
    // from clipping the first syllable.
    const HelperResult levelled =
        run_helper(QStringLiteral("ffmpeg"),
                   {"-v", "error", "-y", "-i", media_file_argument(source), "-vn", "-af",
                    QStringLiteral("volume=%1dB,adelay=50:all=1,apad=pad_dur=0.1").arg(-3 - *peak, 0, 'f', 2),
                    "-ac", "1", "-ar", "44100", "-c:a", "pcm_s16le", "-map_metadata", "-1", "-f", "wav",
                    media_file_argument(wavPath)});
    QFile::remove(spoken);
    if (!levelled.ok)
        return QStringLiteral("The recording \"%1\" could not be read as sound (%2).")
            .arg(recording, levelled.problem);
    return {};
}
