// Colour emoji pictures, drawn once at a large size and then scaled, so every
// frame of a clip shows the same crisp picture.
#pragma once

#include <QImage>
#include <QString>

// The emoji `glyph` cropped to its visible pixels; throws if the colour
// emoji font is missing or cannot draw it. Safe to call from several threads.
QImage glyph_image(const QString& glyph);
