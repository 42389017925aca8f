#include "library/unfinished_change.h"

#include "library/clip_library.h"
#include "library/file_swap.h"
#include "library/folder_lock.h"

#include <QDir>
#include <QFile>
#include <chrono>

QString change_journal(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral(".unfinished-change"));
}

QStringList undo_unfinished_change(const QString& folderPath)
{
    const QDir folder(folderPath);
    QStringList putBack = undo_unfinished_moves(change_journal(folderPath));
    // Without a journal every rename had been made: a list still set aside
    // is the old one, needed only if its replacement never arrived (as a
    // program of before the journal could leave it).
    for (const QString& name : sequence_file_names()) {
        const QString path = folder.filePath(name);
        const QString aside = path + QLatin1String(SetAsideSuffix);
        if (!QFile::exists(aside))
            continue;
        if (QFile::exists(path))
            QFile::remove(aside);
        else if (QFile::rename(aside, path))
            putBack << name;
    }
    QStringList told;
    for (const QString& name : putBack)
        if (name.endsWith(QLatin1String(".seq")))
            told << QStringLiteral(
                        "The clip list %1 in \"%2\" was left half changed by an add or remove that "
                        "did not finish; it was put back as it was before.")
                        .arg(name, folder.path());
    for (const QString& name : sequence_file_names())
        if (!QFile::exists(folder.filePath(name))
            && QFile::exists(folder.filePath(name) + QLatin1String(SetAsideSuffix)))
            told << QStringLiteral(
                        "The clip list %1 in \"%2\" is missing and its last copy %1%3 could not be put "
                        "back; please rename it to %1.")
                        .arg(name, folder.path(), QLatin1String(SetAsideSuffix));
    return told;
}

void undo_unfinished_changes(const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (!QFile::exists(change_journal(folder))
            && QDir(folder).entryList({QStringLiteral("*.seq.replaced")}, QDir::Files).isEmpty())
            continue;
        const FolderLock lock(folder, {}, std::chrono::milliseconds(0));
        if (lock.held())
            undo_unfinished_change(folder);
    }
}
