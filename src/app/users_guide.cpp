#include "app/users_guide.h"

#include <QFile>
#include <QTextStream>

QStringList users_guide_lines(const QString& programFolder)
{
    const QString path = programFolder + QStringLiteral("aobj_gid.txt");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("The user's guide could not be read: %1 (%2)").arg(path, file.errorString())};
    QStringList lines;
    QTextStream in(&file);
    // 8-bit text like the sequence files; read as UTF-8, an accented letter
    // would turn into a replacement mark.
    in.setEncoding(QStringConverter::Latin1);
    while (!in.atEnd())
        lines << in.readLine();
    return lines;
}
