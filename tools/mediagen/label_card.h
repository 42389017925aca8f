// The label picture of a clip: its subject on a white card with the word below.
#pragma once

#include "scene.h"

#include <QImage>

inline constexpr int kLabelWidth = 120;
// Low enough to sit above both backdrops when shown at the top of the screen.
inline constexpr int kLabelHeight = 96;

QImage make_label_card(const ClipScene& scene);
