// Writes the whole demo library and the program's own media into a folder.
#pragma once

#include "scene.h"

#include <QDir>

// The clip's five files: .mpg, .wav (its spoken title), .jpg (label card),
// _first.jpg and _last.jpg (the first and last frames as decoded).
void build_clip(const ClipScene& scene, const QDir& folder);

// Backdrops, hand, banner, calibration picture and clip, pointer and sounds.
void build_program_media(const QDir& folder);
