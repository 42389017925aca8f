#include "synth_kit.h"

#include <algorithm>

namespace {

struct Coefficients {
    double w, cosw, alpha;
};

Coefficients prepare(double freq, double q)
{
    const double w = 2 * M_PI * std::min(freq, SampleRate * 0.45) / SampleRate;
    return {w, std::cos(w), std::sin(w) / (2 * q)};
}

double envelope(double t, double length, double attack, double decay)
{
    const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
    const double release = std::min(1.0, (length - t) / 0.01);
    const double fall = decay > 0 ? std::exp(-t / decay) : 1.0;
    return rise * std::max(0.0, release) * fall;
}

}  // namespace

Biquad Biquad::lowpass(double freq, double q)
{
    const auto c = prepare(freq, q);
    Biquad f;
    const double a0 = 1 + c.alpha;
    f.b0_ = (1 - c.cosw) / 2 / a0;
    f.b1_ = (1 - c.cosw) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2 * c.cosw / a0;
    f.a2_ = (1 - c.alpha) / a0;
    return f;
}

Biquad Biquad::highpass(double freq, double q)
{
    const auto c = prepare(freq, q);
    Biquad f;
    const double a0 = 1 + c.alpha;
    f.b0_ = (1 + c.cosw) / 2 / a0;
    f.b1_ = -(1 + c.cosw) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2 * c.cosw / a0;
    f.a2_ = (1 - c.alpha) / a0;
    return f;
}

Biquad Biquad::bandpass(double freq, double q)
{
    const auto c = prepare(freq, q);
    Biquad f;
    const double a0 = 1 + c.alpha;
    f.b0_ = c.alpha / a0;
    f.b1_ = 0;
    f.b2_ = -c.alpha / a0;
    f.a1_ = -2 * c.cosw / a0;
    f.a2_ = (1 - c.alpha) / a0;
    return f;
}

void add_tone(Buffer& out, double start, double length, double f0, double f1, double amp, int harmonics,
              double attack, double decay)
{
    const long first = std::max(0L, long(start * SampleRate));
    const long last = std::min(long(out.size()), long((start + length) * SampleRate));
    double phase = 0;
    for (long i = first; i < last; ++i) {
        const double t = double(i) / SampleRate - start;
        const double f = f0 + (f1 - f0) * (t / length);
        phase += 2 * M_PI * f / SampleRate;
        double v = 0;
        for (int h = 1; h <= harmonics; ++h)
            v += std::sin(phase * h) / (h * h);
        out[size_t(i)] += float(amp * v * envelope(t, length, attack, decay));
    }
}

void add_noise(Buffer& out, Rng& rng, Biquad filter, double start, double length, double amp, double attack,
               double decay)
{
    const long first = std::max(0L, long(start * SampleRate));
    const long last = std::min(long(out.size()), long((start + length) * SampleRate));
    for (long i = first; i < last; ++i) {
        const double t = double(i) / SampleRate - start;
        out[size_t(i)] += float(amp * filter.run(rng.noise()) * envelope(t, length, attack, decay));
    }
}

void normalise(Buffer& out)
{
    float peak = 0;
    for (float s : out)
        peak = std::max(peak, std::abs(s));
    if (peak > 0)
        for (float& s : out)
            s /= peak;
}
