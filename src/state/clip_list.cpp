#include "state/clip_list.h"

#include "state/sequence_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

// A message box listing hundreds of names helps nobody; the first few say enough.
constexpr int MaxNamesShown = 5;

QString refused_names_message(const QString& path, const QStringList& names)
{
    QStringList shown;
    for (int i = 0; i < names.size() && i < MaxNamesShown; ++i)
        shown << QLatin1Char('"') + names[i] + QLatin1Char('"');
    QString list = shown.join(QStringLiteral(", "));
    if (names.size() > MaxNamesShown)
        list += QStringLiteral(" and %1 more").arg(names.size() - MaxNamesShown);
    return QStringLiteral("These clip names in \"%1\" were left out because they are empty or "
                          "point outside the program's folder: %2.")
        .arg(path, list);
}

QString left_out_message(const QString& path, int leftOut)
{
    return QStringLiteral("Only %1 clips can be played at a time, so %2 more %3 of the chosen "
                          "categories in \"%4\" %5 left out.")
        .arg(MaxClips)
        .arg(leftOut)
        .arg(leftOut == 1 ? QStringLiteral("clip") : QStringLiteral("clips"), path,
             leftOut == 1 ? QStringLiteral("was") : QStringLiteral("were"));
}

}  // namespace

QString sequence_file_name(int16_t sequenceOrder)
{
    switch (sequenceOrder) {
    case 1: return QStringLiteral("aobj_sqr.seq");
    case 2: return QStringLiteral("aobj_sqc.seq");
    default: return QStringLiteral("aobj_sqa.seq");
    }
}

bool is_safe_clip_name(const QString& name)
{
    // Only a separator, an absolute path or "." / ".." themselves can lead out
    // of the folder; "radio..music" is a harmless name.
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && name != QLatin1String(".") && name != QLatin1String("..") && !QDir::isAbsolutePath(name);
}

bool is_category_enabled(const GlobVars& g, const QString& category)
{
    for (int i = 0; i < CategoryCount; ++i) {
        if (category == QLatin1String(CategoryKeys[size_t(i)]))
            return g.CategoryEnabled[size_t(i)] == 1;
    }
    return false;
}

bool AddClip(GlobVars& g, const QString& name, const QString& category)
{
    if (!is_category_enabled(g, category) || !is_safe_clip_name(name) || g.ClipCount >= MaxClips)
        return false;
    ++g.ClipCount;
    g.ClipList[size_t(g.ClipCount)] = name;
    return true;
}

QString file_in_folders(const QStringList& folders, const QString& fileName, const QString& otherwise)
{
    for (const QString& folder : folders)
        if (QFileInfo(folder + fileName).isFile())
            return folder + fileName;
    return otherwise + fileName;
}

QString clip_file_path(const GlobVars& g, const QString& fileName)
{
    return file_in_folders(g.ClipFolders, fileName, g.MediaFolder);
}

ClipListBuild build_clip_list(GlobVars& g)
{
    const QString path = g.MediaFolder + sequence_file_name(g.SequenceOrder);
    return build_clip_list(g, read_sequence_file(path), path);
}

ClipListBuild build_clip_list(GlobVars& g, const SequenceFile& file, const QString& path)
{
    g.ClipCount = 0;
    if (!file.error.isEmpty())
        return {file.error, false};

    QStringList refused;
    int leftOut = 0;
    for (const SequenceRecord& record : file.records) {
        const QString& name = record.fields[0];
        const QString& category = record.fields[1];
        if (!is_category_enabled(g, category))
            continue;
        if (!is_safe_clip_name(name))
            refused << name;
        else if (!AddClip(g, name, category))
            ++leftOut;  // the list is full
    }

    QStringList parts = left_out_messages(file, path);
    if (!refused.isEmpty())
        parts << refused_names_message(path, refused);
    if (leftOut > 0)
        parts << left_out_message(path, leftOut);
    return {parts.join(QStringLiteral("\n\n")), true};
}
