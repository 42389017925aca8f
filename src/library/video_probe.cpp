#include "library/video_probe.h"

#include "library/helper_program.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

double rate_of(const QString& fraction)
{
    const QStringList parts = fraction.split(QLatin1Char('/'));
    const double num = parts.value(0).toDouble();
    const double den = parts.size() > 1 ? parts[1].toDouble() : 1;
    return den > 0 ? num / den : 0;
}

}  // namespace

VideoFacts probe_video(const QString& path)
{
    VideoFacts facts;
    const HelperResult probe = run_helper(
        QStringLiteral("ffprobe"),
        {"-v", "error", "-of", "json", "-show_streams", "-show_format", media_file_argument(path)});
    if (!probe.ok)
        return facts;
    const QJsonObject root = QJsonDocument::fromJson(probe.output).object();
    facts.readable = root.contains(QLatin1String("format"));
    facts.seconds = root.value("format").toObject().value("duration").toString().toDouble();
    for (const QJsonValue& value : root.value("streams").toArray()) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value("codec_type").toString();
        // A cover picture inside a sound file is a video stream of one frame.
        const bool coverArt = stream.value("disposition").toObject().value("attached_pic").toInt() == 1;
        if (type == QLatin1String("video") && !coverArt && !facts.hasPictures) {
            facts.hasPictures = true;
            facts.framesPerSecond = rate_of(stream.value("avg_frame_rate").toString());
            if (facts.framesPerSecond <= 0)
                facts.framesPerSecond = rate_of(stream.value("r_frame_rate").toString());
        } else if (type == QLatin1String("audio")) {
            facts.hasSound = true;
        }
    }
    return facts;
}
