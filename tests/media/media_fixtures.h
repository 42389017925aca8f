#pragma once
// Media made on the spot by the test programs, with ffmpeg.

#include <QImage>
#include <QString>
#include <QStringList>

// Runs ffmpeg with args (quiet, overwriting); true when it succeeded.
bool run_ffmpeg(const QStringList& args);

// A 440 Hz tone of the given length as a 16-bit wave file.
bool make_tone_wav(const QString& path, double seconds);

// An MPEG-1 clip whose every frame is one flat colour, far from the colour of
// the frames next to it, so a shown frame tells its own number.
bool make_colour_clip(const QString& path, int width, int height, double seconds);

// Frame number (0-based) of an .mpg as ffmpeg decodes it.
QImage decode_frame(const QString& mpgPath, int frame, const QString& scratchDir);

// Mean colour of the central quarter of an image.
QRgb centre_colour(const QImage& image);
// Largest difference of one channel between two colours.
int colour_distance(QRgb a, QRgb b);

