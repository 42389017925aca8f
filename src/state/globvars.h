#pragma once
// The one process-wide record of options, calibration values and the clip
// list; a run's input flags are its TurnInput's. Windows and modules read and
// write its fields directly; code that must run headless in tests takes a
// GlobVars& instead of the global.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

enum class ClipCategory : int {
    animals,
    appliances,
    clothing,
    food,
    health,
    house,
    jobs,
    kitchen,
    outside,
    vehicles
};
inline constexpr int CategoryCount = 10;
inline constexpr int MaxClips = 150;

// Lower-case category keys of the sequence files, in ClipCategory order.
inline constexpr std::array<const char*, CategoryCount> CategoryKeys = {
    "animals", "appliances", "clothing", "food", "health", "house", "jobs", "kitchen", "outside", "vehicles"};

struct GlobVars {
    // Persisted in the settings file, in file order.
    int16_t InputDevice = 0;  // 1..4 COM adapter, 5 joystick port, 6 mouse, 7 space bar
    int16_t ScreenSize = 0;  // 1 normal, 2 mid-sized, 3 full screen
    int16_t PromptInterval = 0;  // 0 off, else seconds
    int16_t SequenceOrder = 0;  // 1 random, 2 category, else alphabetical
    int16_t CurrentClip = 0;  // 1-based index of the clip presented last
    double PressCalibration = 0;  // 0 = not yet calibrated
    double WipeCalibration = 0;
    int16_t BackgroundKind = 0;  // 1 TV set, else theater
    std::array<int16_t, CategoryCount> CategoryEnabled{};
    // Switch timing, in milliseconds; stored after the eighteen lines, and
    // only when one of them is set.
    int16_t AcceptanceTime = 0;  // a press counts once held this long
    int16_t PostAcceptanceDelay = 0;  // presses ignored this long after a response
    // How a press plays the clip (state/play_mode.h); stored after the switch
    // timing, and only when it is not the default.
    int16_t PlayMode = 1;
    int16_t PlayModeNumber = 0;  // seconds per press, or presses to start
    // Pointer dwell instead of a click on the mouse device (state/input_device.h);
    // stored after the play mode, and only when not the default.
    int16_t PointerDwell = 0;  // 1: a press is the pointer resting on the target
    int16_t DwellTime = 1000;  // milliseconds
    // Choose one of two (state/play_mode.h): how the learner takes a side and
    // how long the scan's light stays on one; stored after the dwell time.
    int16_t ChoiceMethod = 1;
    int16_t ScanTime = 2000;  // milliseconds

    // Run-time only.
    int16_t MovieSource = 0;
    // Folders end with '/'.
    QString ProgramFolder;  // where the settings file is kept
    QString DataFolder;  // the program's own pictures, sounds and guide
    QString MediaFolder;  // the sequence files; where missing clip files are reported
    QStringList ClipFolders;  // where clip files are looked for, in order; empty: MediaFolder
    std::array<QString, MaxClips + 1> ClipList;  // entries 1..ClipCount
    int16_t ClipCount = 0;
    int16_t MarkerLeft = 0;
    int16_t MarkerTop = 0;
};

extern GlobVars globvars;
