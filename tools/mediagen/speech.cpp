#include "speech.h"

#include "external_tool.h"
#include "wav_file.h"

void speak_to_file(const QString& text, const QString& wavPath)
{
    // A slightly slow, higher voice reads well to young listeners.
    run_tool("espeak-ng", {"-v", "en-gb+f3", "-s", "135", "-p", "55", "-w", wavPath, text});
    Sound sound = read_wav(wavPath);
    // The synthesiser's output begins and ends abruptly; a little silence
    // either side keeps the player from clipping the first syllable.
    sound.samples.insert(sound.samples.begin(), size_t(sound.rate / 20), 0.0f);
    sound.samples.insert(sound.samples.end(), size_t(sound.rate / 10), 0.0f);
    set_level(sound, -3);
    write_wav(wavPath, sound);
}
