#include "program_sounds.h"

#include "synth_kit.h"

namespace {

Sound finish(Buffer samples, double peakDb)
{
    Sound sound{SampleRate, std::move(samples)};
    set_level(sound, peakDb);
    return sound;
}

}  // namespace

Sound make_gong()
{
    Buffer b(size_t(2.2 * SampleRate), 0.0f);
    // A struck metal plate: partials at uneven ratios, the high ones dying
    // first; close pairs beat slowly and give the shimmer.
    constexpr double base = 110;
    const std::pair<double, double> partials[] = {{1.0, 1.0},  {1.004, 0.6}, {1.53, 0.55}, {2.06, 0.45},
                                                  {2.61, 0.3}, {2.615, 0.2}, {3.17, 0.22}, {4.28, 0.12}};
    for (auto [ratio, amp] : partials)
        add_tone(b, 0, 2.2, base * ratio, base * ratio * 0.997, amp, 1, 0.004, 1.1 / ratio + 0.25);
    Rng rng(7);
    add_noise(b, rng, Biquad::lowpass(1800), 0, 0.08, 0.25, 0.001, 0.02);
    Sound unlevelled{SampleRate, std::move(b)};
    soften_edges(unlevelled, 0.003);
    return finish(std::move(unlevelled.samples), -3);
}

Sound make_click()
{
    Buffer b(size_t(0.05 * SampleRate), 0.0f);
    add_tone(b, 0, 0.05, 2600, 1900, 1, 2, 0.0004, 0.006);
    Rng rng(11);
    add_noise(b, rng, Biquad::highpass(3000), 0, 0.02, 0.6, 0.0002, 0.003);
    return finish(std::move(b), -3);
}

Sound make_timer_track(double seconds)
{
    Buffer b(size_t(seconds * SampleRate), 0.0f);
    for (double t = 0.05; t < seconds; t += 0.5)
        add_tone(b, t, 0.05, 2000, 2000, 1, 2, 0.0005, 0.01);
    return finish(std::move(b), -10);
}
