// The sound track of a demo clip, mixed from its sound layers.
#pragma once

#include "scene.h"
#include "wav_file.h"

#include <cstdint>

// `seconds` long at 44100 Hz; the same layers and seed give the same samples.
Sound synthesise(const QList<SoundLayer>& layers, double seconds, uint64_t seed);
