#include "clip_encoder.h"

#include "library/helper_program.h"
#include "scene.h"

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

namespace {

// Same input, same bytes: no threads, no version or time stamps in the output.
const QStringList Exact = {"-fflags",  "+bitexact", "-flags:v", "+bitexact",
                           "-flags:a", "+bitexact", "-threads", "1"};

// Ends the pipe; throws with ffmpeg's complaint if it failed.
void finish(HelperPipe& ffmpeg)
{
    const HelperResult result = ffmpeg.finish();
    if (!result.ok)
        throw std::runtime_error(("ffmpeg: " + result.problem).toStdString());
}

}  // namespace

void encode_clip(const QString& mpgPath, int frame_count, const std::function<QImage(int)>& frame,
                 const Sound& sound)
{
    const QString wavPath = mpgPath + ".track.wav";
    write_wav(wavPath, sound);
    const QString size = QString("%1x%2").arg(FrameWidth).arg(FrameHeight);
    QStringList args = {"-v",
                        "error",
                        "-y",
                        "-threads",
                        "1",
                        "-f",
                        "rawvideo",
                        "-pix_fmt",
                        "rgb24",
                        "-s",
                        size,
                        "-r",
                        QString::number(FramesPerSecond),
                        "-i",
                        "pipe:0",
                        "-i",
                        wavPath,
                        "-map",
                        "0:v",
                        "-map",
                        "1:a",
                        "-vf",
                        "setsar=1",
                        "-sws_flags",
                        "accurate_rnd+bitexact",
                        "-c:v",
                        "mpeg1video",
                        "-q:v",
                        "4",
                        "-g",
                        "15",
                        "-bf",
                        "2",
                        "-pix_fmt",
                        "yuv420p",
                        "-c:a",
                        "mp2",
                        "-b:a",
                        "128k",
                        "-ar",
                        "44100",
                        "-ac",
                        "1",
                        "-f",
                        "mpeg"};
    args << Exact << mpgPath;
    HelperPipe ffmpeg("ffmpeg", args);
    for (int i = 0; i < frame_count; ++i) {
        const QImage image = frame(i);
        if (image.size() != QSize(FrameWidth, FrameHeight) || image.format() != QImage::Format_RGB888)
            throw std::logic_error("frame of the wrong size or format");
        for (int y = 0; y < FrameHeight; ++y)
            if (!ffmpeg.write(QByteArray::fromRawData(reinterpret_cast<const char*>(image.constScanLine(y)),
                                                      FrameWidth * 3)))
                finish(ffmpeg);  // it stopped taking frames: says why
    }
    finish(ffmpeg);
    QFile::remove(wavPath);
}

EndFrames decode_end_frames(const QString& mpgPath)
{
    HelperPipe ffmpeg("ffmpeg",
                      QStringList{"-v", "error", "-threads", "1", "-i", mpgPath, "-sws_flags",
                                  "accurate_rnd+full_chroma_int+bitexact", "-f", "rawvideo", "-pix_fmt",
                                  "rgb24", "pipe:1"});
    const qsizetype frameBytes = FrameWidth * FrameHeight * 3;
    EndFrames ends;
    QByteArray raw, last;
    while (ffmpeg.read_exactly(raw, frameBytes)) {
        if (ends.count++ == 0)
            ends.first = QImage(reinterpret_cast<const uchar*>(raw.constData()), FrameWidth, FrameHeight,
                                FrameWidth * 3, QImage::Format_RGB888)
                             .copy();
        last = raw;
    }
    finish(ffmpeg);
    if (ends.count == 0)
        throw std::runtime_error((mpgPath + ": no frames could be decoded").toStdString());
    ends.last = QImage(reinterpret_cast<const uchar*>(last.constData()), FrameWidth, FrameHeight,
                       FrameWidth * 3, QImage::Format_RGB888)
                    .copy();
    return ends;
}
