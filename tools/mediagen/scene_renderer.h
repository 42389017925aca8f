// Draws the frames of a demo clip.
#pragma once

#include "scene.h"

#include <QImage>

// Frame at `t` seconds into the clip, 352 x 240, RGB888.
QImage render_frame(const ClipScene& scene, double t);

// The subject alone on a transparent square, for the label card.
QImage render_subject(const Actor& subject, int size);
