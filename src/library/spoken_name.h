#pragma once
// The clip's spoken name: the adult's own recording, or the title read out
// by the espeak-ng synthesiser; either way a 16-bit mono WAV at 44.1 kHz,
// levelled to peak at -3 dBFS with a little silence either side.

#include <QString>
#include <optional>

// recording may be "" to synthesise. Returns "" on success, else a plain
// message.
QString make_spoken_name(const QString& title, const QString& recording, const QString& wavPath);

// The loudest sample of a sound file in dB below full scale; none when the
// file cannot be read as sound.
std::optional<double> peak_db(const QString& path);
