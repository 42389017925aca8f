#include "library/end_stills.h"

#include "library/helper_program.h"

namespace {

constexpr qsizetype FrameBytes = qsizetype(StillWidth) * StillHeight * 3;

// The pictures of `path` from the given position (-sseof or -ss seconds)
// one after another, fitted into the player area.
QByteArray decode_frames(const QString& path, const char* seek, double seconds, bool firstOnly,
                         QString& problem)
{
    QStringList args = {"-v", "error", seek, QString::number(seconds, 'f', 3)};
    args << "-i" << media_file_argument(path) << "-an"
         << "-vf"
         << QStringLiteral("scale=%1:%2:force_original_aspect_ratio=decrease,"
                           "pad=%1:%2:(ow-iw)/2:(oh-ih)/2:black")
                .arg(StillWidth)
                .arg(StillHeight);
    if (firstOnly)
        args << "-frames:v"
             << "1";
    args << "-f"
         << "rawvideo"
         << "-pix_fmt"
         << "rgb24"
         << "pipe:1";
    const HelperResult decoded = run_helper(QStringLiteral("ffmpeg"), args);
    problem = decoded.problem;
    return decoded.ok ? decoded.output : QByteArray();
}

QImage frame_at(const QByteArray& frames, qsizetype offset)
{
    if (offset < 0 || offset + FrameBytes > frames.size())
        return {};
    return QImage(reinterpret_cast<const uchar*>(frames.constData() + offset), StillWidth, StillHeight,
                  StillWidth * 3, QImage::Format_RGB888)
        .copy();
}

}  // namespace

EndStills decode_end_stills(const QString& mpgPath)
{
    EndStills stills;
    const QByteArray first = decode_frames(mpgPath, "-ss", 0, true, stills.problem);
    // Decoding only the last seconds keeps a long clip quick to check.
    const QByteArray tail = decode_frames(mpgPath, "-sseof", -3, false, stills.problem);
    stills.first = frame_at(first, 0);
    stills.last = frame_at(tail, tail.size() / FrameBytes * FrameBytes - FrameBytes);
    if ((stills.first.isNull() || stills.last.isNull()) && stills.problem.isEmpty())
        stills.problem = QStringLiteral("no pictures could be decoded");
    return stills;
}

QImage preview_still(const QString& video, double seconds)
{
    QString problem;
    return frame_at(decode_frames(video, "-ss", seconds, true, problem), 0);
}
