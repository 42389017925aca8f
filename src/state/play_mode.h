#pragma once
// How a learner's press plays the clip, for each stage of switch learning:
// holding the switch, pressing and letting go, a press that plays a few
// seconds, several presses for one clip.

#include "state/globvars.h"

#include <QString>
#include <cstdint>

// Values of GlobVars::PlayMode.
enum PlayModeValue : int16_t {
    PressAndLetGo = 1,  // one fresh press plays the whole clip
    PressAndHold = 2,  // the clip plays only while the switch is held
    TimedPlay = 3,  // each press plays PlayModeNumber seconds of it
    SeveralPresses = 4,  // the clip starts at the PlayModeNumber-th press
    ChooseOneOfTwo = 5,  // two clips are offered and the learner takes one
};

// How the learner takes one of two (GlobVars::ChoiceMethod).
inline constexpr int16_t ChooseByTwoSwitches = 1;
inline constexpr int16_t ChooseByScanning = 2;
inline constexpr int16_t ChooseByStepScanning = 3;
inline constexpr int16_t DefaultScanTime = 2000;  // ms the light stays on a side

bool usable_choice_method(int16_t method);
// The menu offers 1 to 8 s; a settings file may hold any time in this range.
bool usable_scan_time(int ms);

// The ranges a settings file may hold; the menu offers a few values of each.
inline constexpr int16_t MaxTimedPlaySeconds = 60;
inline constexpr int16_t MaxPressCount = 10;

struct PlayModeChoice {
    int16_t mode = PressAndLetGo;
    int16_t number = 0;  // seconds of timed play, presses of several presses, else 0

    bool operator==(const PlayModeChoice&) const = default;
};

// The learner's play mode and its number, as the options hold them.
PlayModeChoice play_mode(const GlobVars& g);

// Whether a mode and its number can be used: a known mode, with a number in
// its range when the mode takes one.
bool usable_play_mode(int16_t mode, int16_t number);

// The mode's name alone: "press and let go", "press and hold", "timed play",
// "several presses", "choose one of two".
QString play_mode_name(int16_t mode);

// The mode in words for the adult: "press and let go", "press and hold",
// "timed play, 5 s", "several presses, 3".
QString play_mode_words(const PlayModeChoice& choice);
