#pragma once
// Wave sound playback. The output is a service: start-up makes the real one
// and hands it down; tests hand in a fake.

#include <QString>

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays the wave file at wavPath. loop == false: returns when the sound has
    // ended, and never later than its length plus a second, without handling
    // window events; a missing or unplayable file returns at once, silently.
    virtual void play(const QString& wavPath, bool loop) = 0;
};

// For programs that draw the hand but want no sound.
class SilentSound final : public SoundOutput {
public:
    void play(const QString&, bool) override { }
};

// Plays name + ".wav" on output. mode "LOOP" (exact, case-sensitive) asks for
// looped playback; any other text plays once, synchronously.
void play_sound(SoundOutput& output, const QString& name, const QString& mode);
