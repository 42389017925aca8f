#pragma once
// The part of a video kept as a clip: where it starts and ends, read and
// written the way a teacher writes times (75, 1:15 or 1:02:03), and whether
// that part can be a clip at all.

#include <QString>
#include <optional>

struct ClipTrim {
    double start = 0;  // seconds into the source
    double end = 0;  // seconds into the source; 0 for its end
};

// Shorter than this, a "video" is a single picture or nothing a learner could see.
inline constexpr double ShortestClip = 0.5;
// Longer than this, a clip is not a moment but a film: a part must be chosen.
inline constexpr double LongestClip = 120;

// Seconds from "75", "7.5", "1:15", "1:15.5" or "1:02:03"; nothing for any other text.
std::optional<double> parse_clip_time(const QString& text);
// "0:07.5", "1:15" or "1:02:03": tenths only when there are some.
QString clip_time_text(double seconds);

struct PartCheck {
    QString problem;  // "" when the part can be a clip
    bool tooLong = false;  // a (shorter) part must be chosen
};

// Whether `trim` of a video lasting videoSeconds makes a clip.
PartCheck check_part(const ClipTrim& trim, double videoSeconds);

// Where the part ends: the video's end when none was chosen.
double part_end(const ClipTrim& trim, double videoSeconds);
