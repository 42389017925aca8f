#pragma once
// Whether a file is a whole WAV sound the program can play.

#include <QByteArray>
#include <QString>

// "" when the file is a RIFF/WAVE file with a format and a complete sound
// part; else what is wrong, in plain words.
QString wav_problem(const QString& path);
// The same for the file's content already read.
QString wav_problem(const QByteArray& bytes);
