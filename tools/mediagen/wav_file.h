// Mono sound held as floating-point samples, and its 16-bit WAV file form.
#pragma once

#include <QString>
#include <vector>

struct Sound {
    int rate = 44100;
    std::vector<float> samples;  // -1 .. 1
    double seconds() const { return double(samples.size()) / rate; }
};

// Writes 16-bit PCM mono; throws on failure.
void write_wav(const QString& path, const Sound& sound);

// Reads 16-bit PCM (stereo is mixed down); throws on anything else.
Sound read_wav(const QString& path);

// Scales so the loudest sample reaches `peakDb` dBFS, but keeps the average
// loudness (RMS) at or below `rmsCeilingDb`, so busy noises are not harsh.
void set_level(Sound& sound, double peakDb, double rmsCeilingDb = 0);

// Short fades at both ends so nothing starts or stops with a click.
void soften_edges(Sound& sound, double seconds);
