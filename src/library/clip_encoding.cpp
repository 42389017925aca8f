#include "library/clip_encoding.h"

#include "library/helper_program.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

constexpr int LargestSide = 720;
// Of the work, the part taken by measuring the sound (reading it once).
constexpr double MeasuringShare = 0.2;

// Seeking on the input decodes from the key picture before the start and
// drops what comes earlier, so the clip starts on the chosen picture.
QStringList input_from(const ClipTrim& trim, const QString& source)
{
    QStringList args;
    if (trim.start > 0)
        args << "-ss" << QString::number(trim.start, 'f', 3);
    return args << "-i" << media_file_argument(source);
}

// An output option, so it limits what is written and not a later input.
QStringList output_until(const ClipTrim& trim)
{
    if (trim.end <= 0)
        return {};
    return {"-t", QString::number(trim.end - trim.start, 'f', 3)};
}

// Runs ffmpeg with its -progress report turned into 0..1 of `seconds`.
HelperResult run_ffmpeg(const QStringList& args, double seconds, const std::function<void(double)>& progress)
{
    return run_helper(QStringLiteral("ffmpeg"), QStringList{"-progress", "pipe:1"} + args,
                      [&](const QByteArray& line) {
                          if (line.startsWith("out_time_us="))
                              progress(std::clamp(line.mid(12).toDouble() / 1e6 / seconds, 0.0, 1.0));
                      });
}

// First of two passes: ffmpeg measures the sound, so the second can level it
// in one even step instead of riding the volume up and down. Measuring a long
// part takes a while, so it reports its progress too.
QString loudness_filter(const QString& source, const ClipTrim& trim, double seconds,
                        const std::function<void(double)>& progress)
{
    const QString target = QStringLiteral("I=%1:TP=-2:LRA=11").arg(ClipLoudness);
    QStringList args = {"-hide_banner", "-nostats"};
    args << input_from(trim, source) << output_until(trim) << "-vn"
         << "-af"
         << "loudnorm=" + target + ":print_format=json"
         << "-f"
         << "null"
         << "-";
    const HelperResult measured = run_ffmpeg(args, seconds, progress);
    const qsizetype open = measured.log.lastIndexOf('{');
    const QJsonObject m =
        QJsonDocument::fromJson(measured.log.mid(open, measured.log.lastIndexOf('}') - open + 1)).object();
    if (!measured.ok || open < 0 || !m.contains(QLatin1String("input_i")))
        return "loudnorm=" + target;  // one-pass levelling still evens it out
    // Silence measures as minus infinity; it is left as it is.
    if (m.value("input_i").toString().toDouble() < -70)
        return QStringLiteral("anull");
    return QStringLiteral("loudnorm=%1:measured_I=%2:measured_TP=%3:measured_LRA=%4:measured_thresh=%5"
                          ":offset=%6:linear=true")
        .arg(target, m.value("input_i").toString(), m.value("input_tp").toString(),
             m.value("input_lra").toString(), m.value("input_thresh").toString(),
             m.value("target_offset").toString());
}

QString picture_filter(int rate)
{
    // Interlaced camera video is made whole first; pixels are made square
    // before the size is capped, so the proportions survive; never enlarged.
    return QStringLiteral("yadif=deint=interlaced,scale='trunc(iw*sar/2)*2':ih,setsar=1,"
                          "scale='min(%1,iw)':'min(%1,ih)':force_original_aspect_ratio=decrease"
                          ":force_divisible_by=2,fps=%2,format=yuv420p,setsar=1")
        .arg(LargestSide)
        .arg(rate);
}

}  // namespace

int clip_frame_rate(double sourceRate)
{
    return sourceRate > 0 && sourceRate <= 25.5 ? 25 : 30;
}

QString encode_clip(const QString& source, const VideoFacts& facts, const ClipTrim& trim,
                    const QString& mpgPath, const std::function<void(double)>& progress)
{
    const double seconds = std::max(0.1, part_end(trim, facts.seconds) - trim.start);
    const QString sound = facts.hasSound
        ? loudness_filter(source, trim, seconds, [&](double f) { progress(MeasuringShare * f); })
        : QString();
    progress(MeasuringShare);

    QStringList args = {"-hide_banner", "-nostats", "-v", "error", "-y"};
    args << input_from(trim, source);
    if (!facts.hasSound)  // a silent track keeps every clip alike for the player
        args << "-f"
             << "lavfi"
             << "-i"
             << "anullsrc=r=48000:cl=stereo"
             << "-shortest";
    args << "-map"
         << "0:v:0"
         << "-map" << (facts.hasSound ? "0:a:0" : "1:a:0") << "-vf"
         << picture_filter(clip_frame_rate(facts.framesPerSecond)) << "-c:v"
         << "mpeg2video"
         << "-q:v"
         << "3"
         << "-g"
         << "15"
         << "-bf"
         << "2"
         << "-c:a"
         << "mp2"
         << "-b:a"
         << "192k"
         << "-ar"
         << "48000"
         << "-ac"
         << "2";
    if (facts.hasSound)
        args << "-af" << sound;
    args << output_until(trim) << "-f"
         << "vob" << media_file_argument(mpgPath);
    const HelperResult encoded =
        run_ffmpeg(args, seconds, [&](double f) { progress(MeasuringShare + (1 - MeasuringShare) * f); });
    if (!encoded.ok)
        return encoded.problem;
    // A write that failed part way (a full disk) can still end "successfully"
    // with a clip cut short; what was written must last as long as asked.
    const VideoFacts written = probe_video(mpgPath);
    if (!written.hasPictures || written.seconds < seconds * 0.9 - 0.5)
        return QStringLiteral("the converted clip was not written completely");
    return {};
}
