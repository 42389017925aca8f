// Builds many clips at once, one per processor core: each clip's files
// depend only on its own scene, so the order of work changes no byte.
#pragma once

#include "scene.h"

#include <QDir>
#include <functional>

// Calls `finished` (one call at a time) after each clip; throws the first
// error any clip met, once the clips under way have finished.
void build_clips(const QList<ClipScene>& scenes, const QDir& folder,
                 const std::function<void(const ClipScene&)>& finished);
