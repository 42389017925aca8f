#include "clip_sound.h"

#include "synth_kit.h"

#include <algorithm>
#include <functional>

namespace {

// Calls `event(t)` at `at` and then every 1 / rate seconds (once if rate is 0).
void each_event(const SoundLayer& l, double seconds, const std::function<void(double)>& event)
{
    for (double t = l.at; t < seconds; t += 1 / l.rate) {
        event(t);
        if (l.rate <= 0)
            break;
    }
}

// Calls `event(t)` at random times, about `rate` a second.
void random_events(const SoundLayer& l, double seconds, Rng& rng, const std::function<void(double)>& event)
{
    const int count = std::max(1, int(l.rate * seconds));
    for (int i = 0; i < count; ++i)
        event(l.at + rng.range(0, seconds - l.at - 0.3));
}

void render_voice(Buffer& b, const SoundLayer& l, double seconds, Rng& rng)
{
    const double p = l.pitch;
    const double all = seconds;
    switch (l.voice) {
    case Voice::Birds:
        random_events(l, all, rng, [&](double t) {
            const int syllables = 2 + int(rng.uniform() * 3);
            const double f = rng.range(2600, 4200) * p;
            for (int s = 0; s < syllables; ++s)
                add_tone(b, t + s * 0.11, 0.08, f, f * rng.range(0.7, 1.35), 0.6, 1, 0.01, 0.03);
        });
        break;
    case Voice::Bark:
        each_event(l, all, [&](double t) {
            for (double w : {0.0, 0.3}) {
                add_tone(b, t + w, 0.2, 320 * p, 190 * p, 0.7, 6, 0.008, 0.07);
                add_noise(b, rng, Biquad::bandpass(750 * p, 1.4), t + w, 0.16, 1.2, 0.005, 0.05);
            }
        });
        break;
    case Voice::Meow:
        each_event(l, all, [&](double t) {
            add_tone(b, t, 0.35, 470 * p, 720 * p, 0.7, 5, 0.06);
            add_tone(b, t + 0.34, 0.5, 720 * p, 430 * p, 0.7, 5, 0.0, 0.3);
        });
        break;
    case Voice::Purr:
        add_noise(b, rng, Biquad::lowpass(170 * p), 0, all, 3, 0.3);
        shape(b, [](double t) {
            return (0.55 + 0.45 * std::sin(2 * M_PI * 24 * t)) * (0.6 + 0.4 * std::sin(2 * M_PI * t / 2.4));
        });
        break;
    case Voice::Quack:
        each_event(l, all, [&](double t) {
            for (double w : {0.0, 0.24}) {
                add_tone(b, t + w, 0.15, 430 * p, 360 * p, 0.8, 8, 0.01, 0.08);
                add_noise(b, rng, Biquad::bandpass(1300 * p, 2), t + w, 0.12, 0.8, 0.01, 0.05);
            }
        });
        break;
    case Voice::Water:
        add_noise(b, rng, Biquad::bandpass(1100 * p, 0.6), 0, all, 1, 0.2);
        for (int i = 0; i < int(14 * all); ++i) {
            const double f = rng.range(700, 1900) * p;
            add_tone(b, rng.range(0, all), 0.04, f, f * 1.6, 0.25, 1, 0.003, 0.012);
        }
        break;
    case Voice::Rain:
        add_noise(b, rng, Biquad::highpass(1400), 0, all, 0.7, 0.3);
        for (int i = 0; i < int(35 * all); ++i)
            add_noise(b, rng, Biquad::bandpass(rng.range(2000, 5000), 3), rng.range(0, all), 0.02,
                      rng.range(0.5, 1.5), 0.0005, 0.004);
        break;
    case Voice::Wind:
        add_noise(b, rng, Biquad::bandpass(380 * p, 0.8), 0, all, 1, 0.5);
        shape(b, [](double t) { return 0.45 + 0.55 * std::pow(std::sin(M_PI * t / 3.2), 2); });
        break;
    case Voice::Bubbles:
        random_events(l, all, rng, [&](double t) {
            const double f = rng.range(280, 520) * p;
            add_tone(b, t, 0.07, f, f * 2.4, rng.range(0.4, 0.8), 1, 0.004, 0.025);
        });
        break;
    case Voice::Engine:
        add_tone(b, 0, all, 52 * p, 56 * p, 1, 7, 0.2);
        add_noise(b, rng, Biquad::lowpass(260 * p), 0, all, 1.5, 0.2);
        shape(b, [](double t) { return 0.82 + 0.18 * std::sin(2 * M_PI * 7 * t); });
        break;
    case Voice::Chuff:
        each_event(l, all, [&](double t) {
            add_noise(b, rng, Biquad::bandpass(850 * p, 0.8), t, 0.22, 1, 0.01, 0.06);
            add_tone(b, t, 0.12, 70, 50, 0.3, 2, 0.005, 0.04);
        });
        break;
    case Voice::Ticks: {
        bool tick = true;
        each_event(l, all, [&](double t) {
            const double f = (tick ? 2300 : 1800) * p;
            add_tone(b, t, 0.04, f, f, 0.6, 2, 0.0005, 0.008);
            add_noise(b, rng, Biquad::bandpass(f * 1.5, 4), t, 0.02, 0.6, 0.0005, 0.004);
            tick = !tick;
        });
        break;
    }
    case Voice::Ring: {
        add_tone(b, 0, all, 1000 * p, 1000 * p, 0.6, 3);
        add_tone(b, 0, all, 1260 * p, 1260 * p, 0.5, 3);
        const double period = 1 / l.rate;
        shape(b, [&](double t) {
            const bool on = t >= l.at && std::fmod(t - l.at, period) < period * 0.6;
            return on ? 0.5 + 0.5 * std::sin(2 * M_PI * 22 * t) : 0.0;
        });
        break;
    }
    case Voice::Bell:
        each_event(l, all, [&](double t) {
            for (double w : {0.0, 0.28})
                for (auto [ratio, amp] : {std::pair{1.0, 0.5}, {1.68, 0.3}, {2.41, 0.18}})
                    add_tone(b, t + w, 1.2, 2100 * p * ratio, 2100 * p * ratio, amp, 1, 0.002, 0.35);
        });
        break;
    case Voice::Tune: {
        // A wandering tune on a five-note scale never sounds wrong.
        const double scale[] = {523.25, 587.33, 659.25, 783.99, 880.0, 1046.5, 1174.66, 1318.5};
        int step = 2;
        each_event(l, all, [&](double t) {
            step = std::clamp(step + int(rng.range(-2.5, 3)), 0, 7);
            add_tone(b, t, 0.5, scale[step] * p, scale[step] * p, 0.5, 3, 0.008, 0.2);
        });
        break;
    }
    case Voice::Sizzle:
        add_noise(b, rng, Biquad::highpass(2800), 0, all, 0.5, 0.3);
        for (int i = 0; i < int(30 * all); ++i)
            add_noise(b, rng, Biquad::highpass(3000), rng.range(0, all), 0.03, rng.range(0.5, 2), 0.001,
                      0.006);
        break;
    case Voice::Crackle:
        add_noise(b, rng, Biquad::lowpass(160), 0, all, 3, 0.3);
        for (int i = 0; i < int(9 * all); ++i)
            add_noise(b, rng, Biquad::bandpass(rng.range(1200, 3000), 2), rng.range(0, all), 0.04,
                      rng.range(1, 4), 0.0005, 0.006);
        break;
    case Voice::Knock:
        each_event(l, all, [&](double t) {
            for (int k = 0; k < 3; ++k) {
                add_tone(b, t + k * 0.19, 0.14, 170 * p, 120 * p, 1, 2, 0.002, 0.035);
                add_noise(b, rng, Biquad::lowpass(900), t + k * 0.19, 0.06, 1.5, 0.001, 0.012);
            }
        });
        break;
    case Voice::Brush:
        each_event(l, all, [&](double t) {
            add_noise(b, rng, Biquad::bandpass(4200 * p, 1), t, 0.9 / l.rate, 1, 0.35 / l.rate, 0.08);
        });
        break;
    case Voice::Splash:
        each_event(l, all, [&](double t) {
            add_noise(b, rng, Biquad::bandpass(1400 * p, 0.6), t, 0.5, 1, 0.005, 0.12);
            for (int d = 0; d < 5; ++d) {
                const double f = rng.range(900, 2200);
                add_tone(b, t + rng.range(0.05, 0.4), 0.05, f, f * 1.5, 0.25, 1, 0.003, 0.015);
            }
        });
        break;
    case Voice::Drum:
        add_noise(b, rng, Biquad::lowpass(110), 0, all, 4, 0.4);
        add_noise(b, rng, Biquad::bandpass(650, 0.8), 0, all, 0.8, 0.4);
        shape(b, [&](double t) { return 0.5 + 0.5 * std::pow(std::sin(M_PI * l.rate * t), 2); });
        break;
    case Voice::Siren:
        for (double t = l.at; t < all; t += 1.2) {
            add_tone(b, t, 0.6, 660 * p, 660 * p, 0.6, 2, 0.03);
            add_tone(b, t + 0.6, 0.6, 880 * p, 880 * p, 0.6, 2, 0.03);
        }
        break;
    case Voice::Whistle:
        add_tone(b, l.at, std::min(1.6, all - l.at), 1700 * p, 1760 * p, 0.6, 2, 0.35);
        add_noise(b, rng, Biquad::bandpass(1730 * p, 8), l.at, std::min(1.6, all - l.at), 3, 0.35);
        break;
    case Voice::Clink:
        each_event(l, all, [&](double t) {
            for (auto [f, amp] : {std::pair{3150.0, 0.5}, {5080.0, 0.3}, {7390.0, 0.15}})
                add_tone(b, t, 0.4, f * p, f * p, amp, 1, 0.001, 0.08);
        });
        break;
    case Voice::Waves:
        add_noise(b, rng, Biquad::lowpass(650), 0, all, 2, 0.3);
        add_noise(b, rng, Biquad::highpass(2500), 0, all, 0.15, 0.3);
        shape(b, [](double t) { return 0.25 + 0.75 * std::pow(std::sin(M_PI * (t + 0.8) / 3.6), 2); });
        break;
    case Voice::Gulls:
        each_event(l, all, [&](double t) {
            add_tone(b, t, 0.32, 1450 * p, 950 * p, 0.6, 4, 0.03);
            add_tone(b, t + 0.4, 0.28, 1350 * p, 900 * p, 0.5, 4, 0.03);
        });
        break;
    case Voice::Whoosh:
        add_noise(b, rng, Biquad::bandpass(700 * p, 0.7), 0, all, 1, 0.4);
        shape(b, [&](double t) { return 0.35 + 0.65 * std::exp(-std::pow((t - all / 2) / (all / 4), 2)); });
        break;
    case Voice::Moo:
        each_event(l, all, [&](double t) { add_tone(b, t, 1.3, 135 * p, 118 * p, 1, 9, 0.18, 0); });
        break;
    case Voice::Thud:
        each_event(l, all, [&](double t) {
            add_tone(b, t, 0.3, 95 * p, 50 * p, 1, 2, 0.002, 0.07);
            add_noise(b, rng, Biquad::lowpass(600), t, 0.08, 1, 0.001, 0.02);
        });
        break;
    case Voice::Heartbeat:
        each_event(l, all, [&](double t) {
            add_tone(b, t, 0.2, 70 * p, 45 * p, 1, 2, 0.004, 0.05);
            add_tone(b, t + 0.22, 0.2, 60 * p, 40 * p, 0.7, 2, 0.004, 0.05);
        });
        break;
    case Voice::Snore:
        add_noise(b, rng, Biquad::lowpass(550 * p), 0, all, 2, 0.3);
        shape(b, [&](double t) { return std::pow(std::sin(M_PI * l.rate * t), 2); });
        break;
    case Voice::Cluck:
        each_event(l, all, [&](double t) {
            for (double w : {0.0, 0.16, 0.3})
                add_tone(b, t + w, 0.1, 620 * p, 480 * p, 0.8, 6, 0.004, 0.04);
        });
        break;
    case Voice::Sneeze:
        each_event(l, all, [&](double t) {
            add_tone(b, t, 0.45, 380 * p, 560 * p, 0.6, 6, 0.15, 0);  // "ah..."
            add_noise(b, rng, Biquad::bandpass(3200 * p, 0.9), t + 0.48, 0.35, 1.4, 0.004, 0.1);  // "...choo"
        });
        break;
    case Voice::Pop:
        random_events(l, all, rng, [&](double t) {
            add_noise(b, rng, Biquad::bandpass(rng.range(900, 1600) * p, 1.5), t, 0.05, rng.range(0.6, 1),
                      0.0005, 0.012);
        });
        break;
    case Voice::Hiss: add_noise(b, rng, Biquad::highpass(3800 * p), 0, all, 1, 0.6); break;
    }
}

// Silences a layer outside its time window, with ramps short enough to keep
// an event's attack yet long enough not to click.
void gate(Buffer& b, const SoundLayer& l)
{
    constexpr double ramp = 0.01;
    shape(b, [&](double t) {
        return std::clamp((t - l.at + ramp) / ramp, 0.0, 1.0) * std::clamp((l.until - t) / ramp, 0.0, 1.0);
    });
}

}  // namespace

Sound synthesise(const QList<SoundLayer>& layers, double seconds, uint64_t seed)
{
    Sound mix;
    mix.rate = SampleRate;
    mix.samples.assign(size_t(seconds * SampleRate), 0.0f);
    Rng rng(seed);
    for (const SoundLayer& layer : layers) {
        Buffer voice(mix.samples.size(), 0.0f);
        render_voice(voice, layer, seconds, rng);
        gate(voice, layer);
        normalise(voice);
        for (size_t i = 0; i < voice.size(); ++i)
            mix.samples[i] += float(voice[i] * layer.level);
    }
    soften_edges(mix, 0.05);
    // Gentle: peaks well below full scale and a modest average level.
    set_level(mix, -4, -20);
    return mix;
}
