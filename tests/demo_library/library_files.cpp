#include "library_files.h"

#include <QFile>
#include <QtEndian>
#include <cmath>
#include <stdexcept>

QDir program_folder()
{
    const QString dir = qEnvironmentVariable("FLICKERBOX_PROGRAM_DIR", FLICKERBOX_BUILT_PROGRAM_DIR);
    if (!QDir(dir).exists())
        throw std::runtime_error(("no program folder at " + dir).toStdString());
    return QDir(dir);
}

const QStringList& category_keys()
{
    static const QStringList keys = {"animals", "appliances", "clothing", "food",    "health",
                                     "house",   "jobs",       "kitchen",  "outside", "vehicles"};
    return keys;
}

namespace {

QStringList split_fields(const QByteArray& line)
{
    QStringList fields;
    qsizetype i = 0;
    while (i <= line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        QByteArray field;
        if (i < line.size() && line[i] == '"') {
            const qsizetype close = line.indexOf('"', i + 1);
            field = line.mid(i + 1, (close < 0 ? line.size() : close) - i - 1);
            i = close < 0 ? line.size() : close + 1;
            while (i < line.size() && line[i] != ',')
                ++i;
        } else {
            const qsizetype comma = line.indexOf(',', i);
            field = line.mid(i, (comma < 0 ? line.size() : comma) - i);
            i = comma < 0 ? line.size() : comma;
        }
        fields.append(QString::fromLatin1(field));
        ++i;  // past the comma
    }
    return fields;
}

}  // namespace

SequenceFile read_sequence_file(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(("cannot read " + path).toStdString());
    const QByteArray text = file.readAll();
    SequenceFile result;
    result.crlfOnly = text.endsWith("\r\n") && text.count('\n') == text.count("\r\n")
        && text.count('\r') == text.count("\r\n");
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray bare = line.endsWith('\r') ? line.chopped(1) : line;
        if (!bare.isEmpty())
            result.records.append(split_fields(bare));
    }
    return result;
}

WavInfo read_wav_info(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(("cannot read " + path).toStdString());
    const QByteArray b = file.readAll();
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        throw std::runtime_error((path + " is not a WAV file").toStdString());
    WavInfo info;
    for (qsizetype pos = 12; pos + 8 <= b.size();) {
        const QByteArray id = b.mid(pos, 4);
        const qsizetype size =
            std::min<qsizetype>(qFromLittleEndian<uint32_t>(b.constData() + pos + 4), b.size() - pos - 8);
        const char* body = b.constData() + pos + 8;
        if (id == "fmt ") {
            info.format = qFromLittleEndian<uint16_t>(body);
            info.channels = qFromLittleEndian<uint16_t>(body + 2);
            info.rate = int(qFromLittleEndian<uint32_t>(body + 4));
            info.bits = qFromLittleEndian<uint16_t>(body + 14);
        } else if (id == "data" && info.bits == 16 && info.channels > 0 && info.rate > 0) {
            const qsizetype count = size / 2;
            info.seconds = double(count) / info.channels / info.rate;
            for (qsizetype i = 0; i < count; ++i)
                info.peak = std::max(info.peak, std::abs(qFromLittleEndian<int16_t>(body + 2 * i) / 32768.0));
        }
        pos += 8 + size + (size & 1);
    }
    return info;
}
