#include "library/wav_check.h"

#include <QFile>
#include <QtEndian>

namespace {

quint32 le32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

}  // namespace

QString wav_problem(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("it cannot be opened");
    return wav_problem(file.readAll());
}

QString wav_problem(const QByteArray& bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return QStringLiteral("it is not a WAV sound");
    bool hasFormat = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = le32(bytes, at + 4);
        if (id == "fmt ")
            hasFormat = size >= 16;
        if (id == "data") {
            if (!hasFormat)
                return QStringLiteral("its sound format is missing");
            if (size == 0)
                return QStringLiteral("it holds no sound");
            if (at + 8 + qint64(size) > bytes.size())
                return QStringLiteral("it is cut short");
            return {};
        }
        at += 8 + qsizetype(size) + (size & 1);
    }
    return QStringLiteral("it holds no sound");
}
