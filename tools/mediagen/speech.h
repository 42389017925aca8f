// Spoken words, made with the espeak-ng speech synthesiser.
#pragma once

#include <QString>

// Speaks `text` in a clear, friendly voice into the 16-bit mono WAV file
// `wavPath`, levelled to peak at -3 dBFS.
void speak_to_file(const QString& text, const QString& wavPath);
