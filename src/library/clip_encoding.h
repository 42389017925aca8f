#pragma once
// Turns a video from a phone or camera into the program's clip format: an
// MPEG-2 program stream of at most 720 pixels either way with square pixels
// (the proportions kept), 25 or 30 pictures a second, and MPEG audio whose
// loudness is evened out so that no clip startles the learner.

#include "library/clip_part.h"
#include "library/video_probe.h"

#include <QString>
#include <functional>

// The loudness every added clip is brought to (EBU R128 integrated, LUFS):
// within the range of the demo clips, so no clip stands out.
inline constexpr double ClipLoudness = -20;

// Writes the clip to mpgPath. progress receives 0..1 as the work advances.
// Returns "" on success, else the converter's complaint.
QString encode_clip(const QString& source, const VideoFacts& facts, const ClipTrim& trim,
                    const QString& mpgPath, const std::function<void(double)>& progress);

// The frame rate a source is converted to: MPEG-2 allows only a few.
int clip_frame_rate(double sourceRate);
