#pragma once
// The first and last pictures of a clip, decoded from the clip itself and
// fitted into the 352 x 240 player area with black bars the way the player
// fits them, so a still and the clip's own end look the same on screen.

#include <QImage>
#include <QString>

inline constexpr int StillWidth = 352;
inline constexpr int StillHeight = 240;

struct EndStills {
    QImage first, last;  // null when the clip could not be decoded
    QString problem;
};

EndStills decode_end_stills(const QString& mpgPath);

// The picture of any video at `seconds`, fitted the same way: what the first
// still will look like, before the video is converted. Null if unreadable.
QImage preview_still(const QString& video, double seconds);
