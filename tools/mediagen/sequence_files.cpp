#include "sequence_files.h"

#include "synth_kit.h"

#include <QFile>
#include <algorithm>
#include <stdexcept>

namespace {

QByteArray record(const ClipScene& c)
{
    // Titles and descriptions are quoted so that commas in them are safe.
    const QString line = QString("%1,%2,\"%3\",%4,\"%5\"\r\n")
                             .arg(c.name, c.category, c.title, QString::number(c.seconds), c.description);
    return line.toLatin1();
}

void write_file(const QList<ClipScene>& clips, const QString& path)
{
    QByteArray text;
    for (const ClipScene& c : clips)
        text += record(c);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        throw std::runtime_error((path + ": cannot be written").toStdString());
}

QList<ClipScene> shuffled(QList<ClipScene> clips)
{
    Rng rng(20240601);  // fixed, so the "random" order is the same in every build
    for (qsizetype i = clips.size() - 1; i > 0; --i)
        std::swap(clips[i], clips[qsizetype(rng.uniform() * (i + 1))]);
    return clips;
}

}  // namespace

const QStringList& category_order()
{
    static const QStringList keys = {"animals", "appliances", "clothing", "food",    "health",
                                     "house",   "jobs",       "kitchen",  "outside", "vehicles"};
    return keys;
}

void write_sequence_files(const QList<ClipScene>& clips, const QDir& folder)
{
    write_file(shuffled(clips), folder.filePath("aobj_sqr.seq"));

    QList<ClipScene> byCategory = clips;
    std::stable_sort(byCategory.begin(), byCategory.end(), [](const ClipScene& a, const ClipScene& b) {
        return category_order().indexOf(a.category) < category_order().indexOf(b.category);
    });
    write_file(byCategory, folder.filePath("aobj_sqc.seq"));

    QList<ClipScene> byTitle = clips;
    std::stable_sort(byTitle.begin(), byTitle.end(), [](const ClipScene& a, const ClipScene& b) {
        return a.title.compare(b.title, Qt::CaseInsensitive) < 0;
    });
    write_file(byTitle, folder.filePath("aobj_sqa.seq"));
}
