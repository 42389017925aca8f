// The frames of a clip as libmpv decodes and shows them.
#pragma once

#include <QImage>
#include <QString>

struct ClipEnds {
    QImage first, last;  // null if that frame could not be shown
    QList<QImage> opening;  // the frames after the first, up to one second in
    QString error;  // why, when a frame is missing
};

ClipEnds decode_clip_ends(const QString& path);
