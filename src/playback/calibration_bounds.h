#pragma once
// How long an animation paced by a calibration may last on this computer. A
// calibration makes the hand's press and the label's wipe last about a
// second; a count that would make either last much longer was not measured
// here (a damaged or hand-edited settings file, or one from a far slower
// computer), and since the animations do not yield, every counted delay of it
// would keep Esc from working.

#include <QString>

struct GlobVars;
struct SettingsLoadReport;

// "A few seconds": three times what a calibration aims at, so that a count
// measured while the processor ran faster than it does now still passes.
inline constexpr double LongestAnimationSeconds = 3;

// Delays of the press before a clip (35 pixels down and back, one delay a
// pixel) and of a label's wipe (one delay for each of the 120 columns of the
// calibration picture and of every label card).
inline constexpr int PressDelays = 70;
inline constexpr int WipeDelays = 120;

// The largest count for which `delays` counted delays together last at most
// LongestAnimationSeconds, when one pass of the delay takes secondsPerPass.
double longest_delay_count(int delays, double secondsPerPass);

// Judged with the cost of one pass times the number of delays: a press or a
// wipe that would last longer than LongestAnimationSeconds clears both
// values, as the settings file does with an unreadable one, so the next
// "Play Movies" measures this computer again and the bad value is never
// saved back. Adds a sentence about it to the report's message.
void discard_overlong_calibration(GlobVars& g, double secondsPerPass, const QString& settingsPath,
                                  SettingsLoadReport& report);
