#include "library/clip_folder.h"

#include "library/unfinished_change.h"
#include "state/clip_list.h"

#include <QDir>
#include <QFileInfo>

ClipFolder::ClipFolder(const QString& chosen)
    : ClipFolder(chosen, decide_folders(FolderPlaces::of_this_process(), DiskFolderFileSystem()))
{
}

ClipFolder::ClipFolder(const QString& chosen, const Folders& folders)
    : folders_(folders)
    , path_(chosen.isEmpty() ? folders.writable : QDir(chosen).absolutePath())
{
    if (!path_.endsWith(u'/'))
        path_ += u'/';
}

QString ClipFolder::listing_folder() const
{
    const DiskFolderFileSystem files;
    if (has_sequence_set(path_, files))
        return path_;
    for (const QString& folder : more_folders())
        if (has_sequence_set(folder, files))
            return folder;
    return path_;
}

QString ClipFolder::clip_file(const QString& fileName) const
{
    return file_in_folders(QStringList{path_} + more_folders(), fileName, path_);
}

QStringList ClipFolder::more_folders() const
{
    const QStringList order = folders_.clip_search_order();
    const qsizetype at = order.indexOf(path_);
    return at < 0 ? QStringList() : order.mid(at + 1);
}

QString ClipFolder::prepare_for_changes(const FolderWait& waiting) const
{
    DiskFolderFileSystem files;
    // A folder still to be made has nothing to lock: it is only ever made
    // with copies of the same lists, before any add could write to them.
    if (!QFileInfo(path_).isDir())
        return provide_sequence_files(path_, folders_, files);
    const FolderLock lock(path_, waiting);
    if (!lock.held())
        return lock.problem();
    // A list left set aside must be put back before the lists count as missing.
    undo_unfinished_change(path_);
    return provide_sequence_files(path_, folders_, files);
}

QString ClipFolder::where_kept() const
{
    if (path_ == folders_.writable && !folders_.portable())
        return QStringLiteral("Clips added here are kept for this account in \"%1\".").arg(path_);
    return QStringLiteral("The clips are kept in \"%1\".").arg(path_);
}
