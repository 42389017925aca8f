#include "notices.h"

#include <QFile>
#include <QHash>
#include <stdexcept>

namespace {

QByteArray read_file(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error((path + ": cannot be read").toStdString());
    return file.readAll();
}

}  // namespace

void write_notices(const QDir& sources, const QDir& folder)
{
    // Licence texts are taken from the installed packages rather than kept
    // in the source tree, so they always match the font actually used.
    const QHash<QString, QStringList> licences = {
        {"NOTICE-emoji-font.txt",
         {"/usr/share/doc/fonts-noto-color-emoji/copyright", "/usr/share/common-licenses/Apache-2.0"}},
        {"NOTICE-text-font.txt", {"/usr/share/doc/fonts-dejavu-core/copyright"}},
    };
    const QStringList names = sources.entryList({"NOTICE-*.txt"}, QDir::Files, QDir::Name);
    if (names.isEmpty())
        throw std::runtime_error((sources.path() + ": no notices found").toStdString());
    for (const QString& name : names) {
        QByteArray text = read_file(sources.filePath(name));
        for (const QString& licence : licences.value(name))
            text += "\n----- " + licence.toUtf8() + " -----\n\n" + read_file(licence);
        QFile out(folder.filePath(name));
        if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
            throw std::runtime_error((out.fileName() + ": cannot be written").toStdString());
    }
}
