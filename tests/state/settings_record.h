#pragma once
// A settings record told apart by its screen size, shared by the save tests
// and the child program they stop and fail from outside.

#include "state/globvars.h"

#include <QString>

inline GlobVars settings_record(int16_t screen_size, const QString& folder)
{
    GlobVars g;
    g.InputDevice = 7;
    g.ScreenSize = screen_size;
    g.PromptInterval = 5;
    g.SequenceOrder = 3;
    g.CurrentClip = 12;
    g.PressCalibration = 1234.5;
    g.WipeCalibration = 6789.25;
    g.BackgroundKind = 2;
    g.CategoryEnabled = {1, 0, 1, 1, 1, 0, 1, 1, 1, 0};
    g.ProgramFolder = folder;
    return g;
}
