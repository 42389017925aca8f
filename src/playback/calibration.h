#pragma once
// Measures how fast this computer draws the wipe and the pressing hand, and
// stores the delay counts that make each last about one second. It draws on
// the stage and asks the adult through the dialogs, the first time only.

struct GlobVars;
struct Services;
class PlaybackStage;

class Calibration {
public:
    Calibration(PlaybackStage& stage, GlobVars& g, const Services& services);
    // Sets g.WipeCalibration and g.PressCalibration.
    void run();

private:
    PlaybackStage& stage_;
    GlobVars& g_;
    const Services& services_;
};
