// Particles (rain, steam, bubbles...) worked out afresh for every frame from
// the time alone, so any frame can be drawn without the ones before it.
#pragma once

#include "scene.h"

#include <QPainter>

// Draws the emitter's particles at time `t` spouting from `origin` (frame
// pixels), those born within the emitter's time window only.
void paint_effect(QPainter& p, const Emitter& e, QPointF origin, double t);
