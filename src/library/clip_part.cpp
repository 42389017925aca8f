#include "library/clip_part.h"

#include <QRegularExpression>
#include <cmath>

namespace {

// A part may reach a little past the end the video reports: containers round it.
constexpr double EndSlack = 0.05;

}  // namespace

std::optional<double> parse_clip_time(const QString& text)
{
    static const QRegularExpression time(
        QStringLiteral("^(?:(?:(\\d+):)?(\\d{1,2}):)?(\\d+(?:\\.\\d*)?|\\.\\d+)$"));
    const QRegularExpressionMatch m = time.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const double seconds = m.captured(3).toDouble();
    // "1:75" is a slip, not 2:15
    if ((!m.captured(2).isEmpty() && seconds >= 60)
        || (!m.captured(1).isEmpty() && m.captured(2).toInt() >= 60))
        return std::nullopt;
    return m.captured(1).toDouble() * 3600 + m.captured(2).toDouble() * 60 + seconds;
}

QString clip_time_text(double seconds)
{
    const qint64 tenths = std::llround(std::max(0.0, seconds) * 10);
    const qint64 whole = tenths / 10;
    QString text = whole >= 3600
        ? QStringLiteral("%1:%2:%3")
              .arg(whole / 3600)
              .arg(whole / 60 % 60, 2, 10, QLatin1Char('0'))
              .arg(whole % 60, 2, 10, QLatin1Char('0'))
        : QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
    if (tenths % 10)
        text += QStringLiteral(".%1").arg(tenths % 10);
    return text;
}

double part_end(const ClipTrim& trim, double videoSeconds)
{
    return trim.end > 0 ? std::min(trim.end, videoSeconds) : videoSeconds;
}

PartCheck check_part(const ClipTrim& trim, double videoSeconds)
{
    const QString lasts = clip_time_text(videoSeconds);
    if (trim.start < 0 || trim.start >= videoSeconds)
        return {QStringLiteral("The clip cannot start at %1: the video lasts %2.")
                    .arg(clip_time_text(trim.start), lasts)};
    if (trim.end > videoSeconds + EndSlack)
        return {QStringLiteral("The clip cannot end at %1: the video lasts %2.")
                    .arg(clip_time_text(trim.end), lasts)};
    if (trim.end > 0 && trim.end <= trim.start)
        return {QStringLiteral("The clip must end after it starts (it starts at %1 and ends at %2).")
                    .arg(clip_time_text(trim.start), clip_time_text(trim.end))};
    const double end = part_end(trim, videoSeconds);
    if (end - trim.start < ShortestClip)
        return {QStringLiteral(
                    "The part from %1 to %2 is too short for a clip: it must last at least half a second.")
                    .arg(clip_time_text(trim.start), clip_time_text(end))};
    if (end - trim.start <= LongestClip + EndSlack)
        return {};
    if (trim.start == 0 && trim.end == 0)
        return {QStringLiteral("The video lasts %1, and a clip may last at most 2 minutes. "
                               "Please choose the part to keep.")
                    .arg(lasts),
                true};
    return {QStringLiteral("The part from %1 to %2 lasts %3, and a clip may last at most 2 minutes. "
                           "Please choose a shorter part.")
                .arg(clip_time_text(trim.start), clip_time_text(end), clip_time_text(end - trim.start)),
            true};
}
