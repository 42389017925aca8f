#pragma once
// Media made on the spot by the test programs, with ffmpeg.

#include <QImage>
#include <QString>
#include <QStringList>

// Runs ffmpeg with args (quiet, overwriting); true when it succeeded.
bool run_ffmpeg(const QStringList& args);

// A 440 Hz tone of the given length as a 16-bit wave file.
bool make_tone_wav(const QString& path, double seconds);

// Which encoder writes a numbered clip. Ffmpeg starts the stream at time 0;
// Mjpegtools (mpeg2enc and mplex) starts it later, in groups of 12 pictures,
// as other encoders of MPEG-1 do.
enum class ClipEncoder { Ffmpeg, Mjpegtools };

// A 352 x 240 MPEG-1 clip at 25 frames a second whose every frame shows its
// own number (0-based) as nine black or white stripes across its middle half:
// a white marker on the left, then the bits from the lowest up.
bool make_numbered_clip(const QString& path, double seconds, ClipEncoder encoder);
// The number a numbered clip's frame shows; -1 for any other picture.
int frame_number(const QImage& frame);

// Mean colour of the central quarter of an image.
QRgb centre_colour(const QImage& image);
// Largest difference of one channel between two colours.
int colour_distance(QRgb a, QRgb b);
