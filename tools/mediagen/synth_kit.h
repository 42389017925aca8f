// Building blocks for sounds made from numbers: repeatable noise, filters
// and shaped tones.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

inline constexpr int SampleRate = 44100;

// A small, fixed random sequence: the same seed gives the same sound on
// every machine (std distributions may differ between libraries).
class Rng {
public:
    explicit Rng(uint64_t seed)
        : state_(seed)
    {
    }
    double uniform()  // [0, 1)
    {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return double((z ^ (z >> 31)) >> 11) / double(1ull << 53);
    }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    double noise() { return 2 * uniform() - 1; }

private:
    uint64_t state_;
};

// Second-order filter (the usual audio cookbook forms).
class Biquad {
public:
    static Biquad lowpass(double freq, double q = 0.707);
    static Biquad highpass(double freq, double q = 0.707);
    static Biquad bandpass(double freq, double q);
    double run(double x)
    {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

using Buffer = std::vector<float>;

// Adds a tone from `start` for `length` seconds whose pitch glides from f0
// to f1, with `harmonics` overtones (each weaker), rising in `attack` and
// dying away exponentially with time constant `decay` (0: holds, then a
// short release at the end).
void add_tone(Buffer& out, double start, double length, double f0, double f1, double amp, int harmonics = 1,
              double attack = 0.01, double decay = 0);

// Adds noise through `filter` with an attack/decay envelope like add_tone.
void add_noise(Buffer& out, Rng& rng, Biquad filter, double start, double length, double amp,
               double attack = 0.01, double decay = 0);

// Multiplies each sample by `gain(t)`.
template <typename Gain>
void shape(Buffer& out, Gain gain)
{
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = float(out[i] * gain(double(i) / SampleRate));
}

// Scales so the loudest sample is 1.
void normalise(Buffer& out);
