#pragma once

#include "media/idle_inhibit.h"

// Notes each hold and release, and whether the screen saver is held now.
struct FakeIdleInhibitor : IdleInhibitor {
    void hold() override
    {
        held = true;
        ++holds;
    }
    void release() override { held = false; }

    bool held = false;
    int holds = 0;
};
