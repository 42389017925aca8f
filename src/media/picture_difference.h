#pragma once
// How far apart two pictures are, for checking that a still shows the frame
// it stands for.

#include <QImage>

// Mean absolute difference per colour channel (0..255); 255 when the sizes
// differ or a picture is missing.
double mean_abs_difference(const QImage& a, const QImage& b);
