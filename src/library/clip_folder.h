#pragma once
// The folder the adults' clip tools change: this account's own folder unless
// another is named (an administrator names the site library). Clips it does
// not hold itself come from the folders after it, as the program finds them.

#include "library/folder_lock.h"
#include "state/folders.h"

#include <QString>
#include <QStringList>

class ClipFolder {
public:
    // `chosen` "" stands for this account's writable folder.
    explicit ClipFolder(const QString& chosen);
    ClipFolder(const QString& chosen, const Folders& folders);

    const QString& path() const { return path_; }  // ends with '/'
    // Where the clips it shows are listed: itself once it has a clip list.
    QString listing_folder() const;
    // Where a clip's file is found, or would be put back when missing.
    QString clip_file(const QString& fileName) const;
    // Where the program's own pictures and sounds are.
    const QString& program_folder() const { return folders_.base; }
    // Folders after it where its clips' files may be.
    QStringList more_folders() const;
    // Gives it a clip list of its own before the first change, and puts back
    // a change left half done; "" or a plain message.
    QString prepare_for_changes(const FolderWait& waiting = {}) const;
    // One sentence telling the adult where the clips are kept.
    QString where_kept() const;

private:
    Folders folders_;
    QString path_;
};
