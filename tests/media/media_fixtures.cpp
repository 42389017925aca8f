#include "media/media_fixtures.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int NumberStripes = 9;

QStringList quiet_ffmpeg(const QStringList& args)
{
    return QStringList{"-hide_banner", "-loglevel", "error", "-y"} + args;
}

bool succeeded(QProcess& process)
{
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

bool run_tool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    return succeeded(process);
}

// Each test runs in a process of its own, and most of them would encode the
// same media again (seconds of CPU each, minutes over a suite); the build keeps
// what one process made for the others, by its recipe.
bool made_once(const QString& path, const QString& recipe, const std::function<bool()>& make)
{
    const QString cacheDir = QStringLiteral(FLICKERBOX_TEST_MEDIA_CACHE);
    const QString cached = cacheDir + u'/'
        + QString::fromLatin1(QCryptographicHash::hash(recipe.toUtf8(), QCryptographicHash::Sha1).toHex())
        + u'.' + QFileInfo(path).suffix();
    QFile::remove(path);
    if (QFile::copy(cached, path))
        return true;
    if (!make())
        return false;
    // Copied under a name of this process's own and renamed, so a process
    // running beside this one finds the whole file or none.
    const QString part = cached + u'.' + QString::number(QCoreApplication::applicationPid());
    if (QDir().mkpath(cacheDir) && QFile::copy(path, part))
        std::rename(QFile::encodeName(part).constData(), QFile::encodeName(cached).constData());
    QFile::remove(part);
    return true;
}

}  // namespace

bool run_ffmpeg(const QStringList& args)
{
    // The output's folder differs from process to process: the recipe names it alike.
    const QString output = args.last();
    const QString folder = QFileInfo(output).absolutePath();
    QStringList recipe = args;
    recipe.replaceInStrings(folder, QStringLiteral("<folder>"));
    return made_once(output, QStringLiteral("ffmpeg ") + recipe.join(u'\x1f'),
                     [&] { return run_tool(QStringLiteral("ffmpeg"), quiet_ffmpeg(args)); });
}

bool make_tone_wav(const QString& path, double seconds)
{
    return run_ffmpeg({"-f", "lavfi", "-i",
                       QStringLiteral("sine=frequency=440:sample_rate=22050:duration=%1").arg(seconds),
                       "-c:a", "pcm_s16le", path});
}

bool make_numbered_clip(const QString& path, double seconds, ClipEncoder encoder)
{
    // Video levels 16 and 235: pure black and white as the encoders expect
    // them. Noise above and below the stripes makes the groups of pictures
    // as large as those of real footage.
    const QString source =
        QStringLiteral("color=c=black:s=352x240:r=25:d=%1,format=gray,"
                       "geq=lum='if(between(Y\\,H/4\\,3*H/4)\\,"
                       "if(lt(X*%2\\,W)\\,235\\,16+219*mod(floor(N/pow(2\\,floor(X*%2/W)-1))\\,2))\\,"
                       "96+random(1)*64)'")
            .arg(seconds)
            .arg(NumberStripes);
    const QStringList input{"-f", "lavfi", "-i", source};
    if (encoder == ClipEncoder::Ffmpeg)
        return run_ffmpeg(input
                          + QStringList{"-c:v", "mpeg1video", "-q:v", "2", "-g", "12", "-pix_fmt", "yuv420p",
                                        "-f", "mpeg", path});
    return made_once(path, QStringLiteral("mjpegtools ") + source, [&] {
        const QString elementary = path + QStringLiteral(".m1v");
        QProcess frames, mpeg2enc;
        frames.setStandardOutputProcess(&mpeg2enc);
        frames.start(QStringLiteral("ffmpeg"),
                     quiet_ffmpeg(input + QStringList{"-pix_fmt", "yuv420p", "-f", "yuv4mpegpipe", "-"}));
        mpeg2enc.start(QStringLiteral("mpeg2enc"),
                       {"-v", "0", "-f", "0", "-g", "12", "-G", "12", "-o", elementary});
        const bool encoded = succeeded(frames) && succeeded(mpeg2enc);
        const bool multiplexed =
            encoded && run_tool(QStringLiteral("mplex"), {"-v", "0", "-f", "0", "-o", path, elementary});
        QFile::remove(elementary);
        return multiplexed;
    });
}

int frame_number(const QImage& frame)
{
    if (frame.isNull())
        return -1;
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB32);
    const int stripeWidth = rgb.width() / NumberStripes;
    int number = 0;
    for (int stripe = 0; stripe < NumberStripes; ++stripe) {
        const QRgb colour = centre_colour(rgb.copy(stripe * stripeWidth, 0, stripeWidth, rgb.height()));
        const bool white = colour_distance(colour, qRgb(255, 255, 255)) < 64;
        if (!white && colour_distance(colour, qRgb(0, 0, 0)) >= 64)
            return -1;
        if (stripe == 0 && !white)
            return -1;
        if (stripe > 0 && white)
            number |= 1 << (stripe - 1);
    }
    return number;
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
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}
