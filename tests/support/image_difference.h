#pragma once

#include <QImage>

// Mean absolute difference per colour channel (0..255); 255 when the sizes
// differ or an image is missing.
double mean_abs_difference(const QImage& a, const QImage& b);
