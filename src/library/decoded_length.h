#pragma once
// How much of a video really plays: decoded from start to end, a file cut
// short or damaged part-way gives fewer seconds than it was made with, even
// when its first and last pictures look right.

#include <QString>

// Seconds of pictures decoded; 0 when none could be.
double decoded_seconds(const QString& path);
