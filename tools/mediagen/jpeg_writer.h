// JPEG files with full colour resolution (no chroma subsampling), so that
// sharp coloured edges, such as the hand against its black surround, stay
// where they were drawn.
#pragma once

#include <QImage>
#include <QString>

// Throws if the file cannot be written.
void write_jpeg(const QImage& image, const QString& path, int quality);
