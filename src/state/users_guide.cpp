#include "state/users_guide.h"

#include "state/text_decoding.h"

#include <QFile>
#include <QTextStream>

namespace {

QStringList lines_of(QString text)
{
    QStringList lines;
    QTextStream in(&text);
    while (!in.atEnd())
        lines << in.readLine();
    return lines;
}

}  // namespace

QStringList users_guide_lines(const QString& dataFolder)
{
    const QString path = dataFolder + QStringLiteral("aobj_gid.txt");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("The user's guide could not be read: %1 (%2)").arg(path, file.errorString())};
    const std::optional<QString> text = decode_text(file.readAll());
    if (!text)
        return {unreadable_text_message(QStringLiteral("user's guide"), path)};
    return lines_of(*text);
}

QStringList users_guide_lines(const QByteArray& content)
{
    return lines_of(decode_text(content).value_or(QString()));
}
