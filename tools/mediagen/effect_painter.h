// Particles (rain, steam, bubbles...) worked out afresh for every frame from
// the time alone, so any frame can be drawn without the ones before it.
#pragma once

#include "scene.h"

#include <QPainter>

// Draws `kind` at time `t` spouting from `origin` (frame pixels) at `rate`
// particles a second. Particles born before the clip starts are drawn too,
// so the first frame already looks busy.
void paint_effect(QPainter& p, Effect kind, QPointF origin, double rate, double t);
