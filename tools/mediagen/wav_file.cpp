#include "wav_file.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

void put32(QByteArray& b, uint32_t v)
{
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}

void put16(QByteArray& b, uint16_t v)
{
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}

[[noreturn]] void fail(const QString& path, const char* why)
{
    throw std::runtime_error((path + ": " + why).toStdString());
}

}  // namespace

void write_wav(const QString& path, const Sound& sound)
{
    const uint32_t dataBytes = uint32_t(sound.samples.size() * 2);
    QByteArray b;
    b.append("RIFF");
    put32(b, 36 + dataBytes);
    b.append("WAVEfmt ");
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, 1);  // mono
    put32(b, uint32_t(sound.rate));
    put32(b, uint32_t(sound.rate * 2));
    put16(b, 2);
    put16(b, 16);
    b.append("data");
    put32(b, dataBytes);
    for (float s : sound.samples)
        put16(b, uint16_t(int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f))));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(b) != b.size())
        fail(path, "cannot be written");
}

Sound read_wav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, "cannot be read");
    const QByteArray b = file.readAll();
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        fail(path, "is not a WAV file");
    Sound sound;
    int channels = 0;
    qsizetype pos = 12;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        // A writer that streamed its output may leave the size unknown (all ones).
        qsizetype size = qFromLittleEndian<uint32_t>(b.constData() + pos + 4);
        size = std::min(size, b.size() - pos - 8);
        const char* body = b.constData() + pos + 8;
        if (id == "fmt ") {
            if (size < 16 || qFromLittleEndian<uint16_t>(body) != 1
                || qFromLittleEndian<uint16_t>(body + 14) != 16)
                fail(path, "is not 16-bit PCM");
            channels = qFromLittleEndian<uint16_t>(body + 2);
            sound.rate = int(qFromLittleEndian<uint32_t>(body + 4));
        } else if (id == "data") {
            if (channels < 1)
                fail(path, "has no format before its samples");
            const qsizetype frames = size / (2 * channels);
            sound.samples.resize(size_t(frames));
            for (qsizetype i = 0; i < frames; ++i) {
                float sum = 0;
                for (int c = 0; c < channels; ++c)
                    sum += qFromLittleEndian<int16_t>(body + (i * channels + c) * 2) / 32768.0f;
                sound.samples[size_t(i)] = sum / channels;
            }
            return sound;
        }
        pos += 8 + size + (size & 1);
    }
    fail(path, "has no samples");
}

void set_level(Sound& sound, double peakDb, double rmsCeilingDb)
{
    double peak = 0, power = 0;
    for (float s : sound.samples) {
        peak = std::max(peak, double(std::abs(s)));
        power += double(s) * s;
    }
    if (peak <= 0)
        return;
    const double rms = std::sqrt(power / sound.samples.size());
    double gain = std::pow(10.0, peakDb / 20) / peak;
    if (rmsCeilingDb < 0)
        gain = std::min(gain, std::pow(10.0, rmsCeilingDb / 20) / rms);
    for (float& s : sound.samples)
        s = float(s * gain);
}

void soften_edges(Sound& sound, double seconds)
{
    const size_t n = std::min(sound.samples.size() / 2, size_t(seconds * sound.rate));
    for (size_t i = 0; i < n; ++i) {
        const float g = float(i) / n;
        sound.samples[i] *= g;
        sound.samples[sound.samples.size() - 1 - i] *= g;
    }
}
