// Turns rendered frames and a sound track into an MPEG-1 clip, and takes
// the clip's first and last pictures back out of the encoded file.
#pragma once

#include "wav_file.h"

#include <QImage>
#include <QString>
#include <functional>

// Encodes `frame_count` frames (352 x 240 RGB888, from `frame(i)`) at 25 fps
// with `sound` into an MPEG-1 system stream at `mpgPath`.
void encode_clip(const QString& mpgPath, int frame_count, const std::function<QImage(int)>& frame,
                 const Sound& sound);

struct EndFrames {
    QImage first, last;
    int count = 0;
};

// Decodes the clip as a player would and keeps its first and last frames.
EndFrames decode_end_frames(const QString& mpgPath);
