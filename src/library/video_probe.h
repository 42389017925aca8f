#pragma once
// What a video file holds, as ffprobe reads it: whether it has pictures and
// sound, how long it lasts and how many pictures a second it shows.

#include <QString>

struct VideoFacts {
    bool readable = false;  // ffprobe recognised the file at all
    bool hasPictures = false;
    bool hasSound = false;
    double seconds = 0;
    double framesPerSecond = 0;
};

VideoFacts probe_video(const QString& path);
