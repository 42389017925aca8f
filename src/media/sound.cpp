#include "media/sound.h"

void play_sound(SoundOutput& output, const QString& name, const QString& mode)
{
    output.play(name + QStringLiteral(".wav"), mode == QStringLiteral("LOOP"));
}
