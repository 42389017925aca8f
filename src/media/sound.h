#pragma once
// Wave sound playback. play_sound is process-wide, like the platform call it
// stands in for: start-up installs the real output, tests install a fake.

#include <QString>

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays the wave file at wavPath. loop == false: returns when the sound has
    // ended, and never later than its length plus a second, without handling
    // window events; a missing or unplayable file returns at once, silently.
    virtual void play(const QString& wavPath, bool loop) = 0;
};

// Installs the output used by play_sound; nullptr makes every sound silent.
void set_sound_output(SoundOutput* output);

// Plays name + ".wav". mode "LOOP" (exact, case-sensitive) asks for looped
// playback; any other text plays once, synchronously.
void play_sound(const QString& name, const QString& mode);
