#include "media/media_fixtures.h"

#include <QProcess>
#include <algorithm>
#include <cstdlib>

bool run_ffmpeg(const QStringList& args)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList{"-hide_banner", "-loglevel", "error", "-y"} + args);
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit
        && ffmpeg.exitCode() == 0;
}

bool make_tone_wav(const QString& path, double seconds)
{
    return run_ffmpeg({"-f", "lavfi", "-i",
                       QStringLiteral("sine=frequency=440:sample_rate=22050:duration=%1").arg(seconds),
                       "-c:a", "pcm_s16le", path});
}

bool make_colour_clip(const QString& path, int width, int height, double seconds)
{
    // Channel steps of 97, 53 and 151 per frame keep neighbouring frames far
    // apart in at least one channel.
    const QString source = QStringLiteral(
        "color=c=black:s=%1x%2:r=25:d=%3,format=rgb24,"
        "geq=r='mod(40+N*97\\,216)+20':g='mod(90+N*53\\,216)+20':b='mod(150+N*151\\,216)+20'")
        .arg(width).arg(height).arg(seconds);
    return run_ffmpeg({"-f", "lavfi", "-i", source, "-c:v", "mpeg1video", "-q:v", "2",
                       "-g", "12", "-pix_fmt", "yuv420p", "-f", "mpeg", path});
}

QImage decode_frame(const QString& mpgPath, int frame, const QString& scratchDir)
{
    const QString png = scratchDir + QStringLiteral("/frame%1.png").arg(frame);
    if (!run_ffmpeg({"-i", mpgPath, "-vf", QStringLiteral("select=eq(n\\,%1)").arg(frame),
                     "-frames:v", "1", png}))
        return {};
    return QImage(png);
}

QRgb centre_colour(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int x0 = rgb.width() * 3 / 8, x1 = rgb.width() * 5 / 8;
    const int y0 = rgb.height() * 3 / 8, y1 = rgb.height() * 5 / 8;
    long long r = 0, g = 0, b = 0, n = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const QRgb p = rgb.pixel(x, y);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
            ++n;
        }
    }
    if (n == 0)
        return qRgb(0, 0, 0);
    return qRgb(int(r / n), int(g / n), int(b / n));
}

int colour_distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}
