#include "media/sound.h"

namespace {
SoundOutput* currentOutput = nullptr;
}

void set_sound_output(SoundOutput* output)
{
    currentOutput = output;
}

void play_sound(const QString& name, const QString& mode)
{
    if (!currentOutput)
        return;
    currentOutput->play(name + QStringLiteral(".wav"), mode == QStringLiteral("LOOP"));
}
