#include "state/users_guide.h"

#include "state/text_decoding.h"

#include <QFile>
#include <QTextStream>

QStringList users_guide_lines(const QString& dataFolder)
{
    const QString path = dataFolder + QStringLiteral("aobj_gid.txt");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("The user's guide could not be read: %1 (%2)").arg(path, file.errorString())};
    return users_guide_lines(file.readAll());
}

QStringList users_guide_lines(const QByteArray& content)
{
    QString text = decode_text(content);
    QStringList lines;
    QTextStream in(&text);
    while (!in.atEnd())
        lines << in.readLine();
    return lines;
}
