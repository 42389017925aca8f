#pragma once
// Wave playback on its own libmpv core, without video.

#include "media/mpv_handle.h"
#include "media/sound.h"

class MpvSoundOutput : public SoundOutput {
public:
    MpvSoundOutput();

    // loop == false: returns when the sound has ended (at the latest its
    // length plus a second later), handling no window events meanwhile. loop == true: starts the sound
    // repeating and returns at once; the next play replaces it. A missing or unplayable file is silent.
    void play(const QString& wavPath, bool loop) override;

private:
    void wait_for_end(int64_t entry);

    MpvHandle mpv_;
};
