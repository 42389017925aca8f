#pragma once
// The sign of progress before a clip that needs several presses: one big
// round mark for each press, filled as the learner presses, in a column
// beside the TV set or in a row on the theater's floor.

#include <QImage>
#include <QRect>
#include <cstdint>

// Where the sign of `count` marks stands on Background, and its mark index.
QRect progress_sign_area(int16_t backgroundKind, int count);
QRect progress_mark(int16_t backgroundKind, int index, int count);

// Draws the sign onto Background's image with the first `made` marks filled.
void draw_progress_sign(QImage& background, int16_t backgroundKind, int made, int count);
