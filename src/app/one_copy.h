#pragma once
// One copy of the program per settings folder: two copies would each write
// their settings at exit, and the one ending last would silently undo the
// other's choices.
//
// The running copy holds a lock file beside the settings file. QLockFile
// creates it exclusively and holds a kernel lock (flock) on it while the
// process lives, and takes a file over only when it can get that kernel lock
// itself: a crashed copy's file, whose kernel lock died with it, is taken
// over at the next start, while a live copy's file is never taken, however
// old it looks. A clean end removes the file.
//
// The running copy also listens on a local socket named after the folder, so
// a second start can ask it to bring its window to the front.

#include <QLocalServer>
#include <QLockFile>
#include <QString>

class Dialogs;

class OneCopyPerFolder {
public:
    explicit OneCopyPerFolder(const QString& settingsFolder);

    // True when this copy is the one for the folder, or the folder cannot
    // hold a lock file (then nothing can be guarded). False when another copy
    // runs: its window was brought to the front or, where that could not be
    // done, the adult was told plainly that the program is already open.
    bool claim(Dialogs& dialogs);

private:
    bool other_copy_came_to_front();
    void listen();

    QString folder_;
    QLockFile lock_;
    QString serverName_;
    QLocalServer server_;
};
