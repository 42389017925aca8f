// Subjects drawn by code where no emoji picture fits.
#pragma once

#include "scene.h"

#include <QPainter>

// Draws `shape` centred on the painter's origin, `size` pixels high, at clip
// time `t` (the washing machine's drum turns with time).
void paint_shape(QPainter& p, Shape shape, double size, double t);
