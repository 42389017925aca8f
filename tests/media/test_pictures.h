#pragma once
// Pictures for tests: every pixel distinct, so a pixel out of place shows.

#include "media/picture.h"

#include <QImage>

// Fills picture with a pattern derived from the pixel's position and seed.
inline void paint_pattern(Picture& picture, int seed)
{
    picture.edit(picture.rect(), [seed](QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(
                    x, y, qRgb((x * 7 + seed) & 0xff, (y * 11 + seed * 3) & 0xff, (x * y + seed * 5) & 0xff));
    });
}

inline QImage rgb32(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}
