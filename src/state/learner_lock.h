#pragma once
// A learner in use on one computer is locked for the others, so that two
// laptops sharing a school's learners folder never write into one learner at
// once. The file aobj_lck.txt in the learner's folder names the computer, the
// program's process, the time it was taken, a token drawn at random for this
// run, and the time the holder last refreshed it. School laptops are imaged
// and often share one computer name, and a process number means nothing on
// another machine: the token says whose lock it is, and the refreshed time
// tells a running holder from one that crashed.
//
// Before each write for a learner the writers ask whether this run still
// holds the learner: once another computer has taken it over, nothing more is
// written there, and what was not saved goes to a folder of its own beside
// the learner's files.

#include <QDateTime>
#include <QString>
#include <optional>

inline constexpr const char* LearnerLockFile = "aobj_lck.txt";
// The holder rewrites its lock this often while it runs...
inline constexpr int LockRefreshSeconds = 30;
// ...so one not refreshed for this long was left by a program that stopped.
// Several refreshes long, for a slow file server and clocks a little apart.
inline constexpr int LockStaleSeconds = 150;

struct LockHolder {
    QString host;
    qint64 process = 0;
    QDateTime since;
    QString token;  // empty in a lock an older version wrote
    QDateTime refreshed;  // invalid in a lock an older version wrote
    QDateTime written;  // the file's modification time

    // "on the computer "laptop-3" since 09:12 on 8 December 2026"
    QString where() const;
};

// This run's token, the same for all its locks.
const QString& lock_token();

// Who else holds the learner in `folder` (ending with '/'): nullopt when
// nobody does, this run does, or the holder has stopped without giving it
// back (not refreshed for LockStaleSeconds before `now`).
std::optional<LockHolder> other_holder(const QString& folder,
                                       const QDateTime& now = QDateTime::currentDateTimeUtc());

// Takes the lock for this run, over any other holder, and names `learner`
// (as the adult reads it) in what writers say once it is lost. fromRunning:
// the adult agreed to take it from a holder still running. "" or a plain
// message.
QString take_lock(const QString& folder, const QString& learner = {}, bool fromRunning = false);

// Whether `path` lies in the learner this run took from a holder still
// running, which may go on writing its own files there for a while.
bool taken_from_running_holder(const QString& path);

// Writes the lock again with the time now, when this run still holds it.
// The holder that took it over otherwise, or nullopt. Safe from any thread.
std::optional<LockHolder> refresh_lock(const QString& folder);

// Gives the lock back when this run holds it.
void release_lock(const QString& folder);

// Whether a write to `path` may go ahead: nullopt when the path lies in no
// learner's folder locked by this run, or the lock is still this run's. Once
// lost, a learner stays lost to this run until it is taken again.
struct TakenOver {
    QString learner;
    QString folder;  // the learner's, ending with '/'
    LockHolder holder;
    QString keptAside;  // where this run keeps what it could not save, ending with '/'

    // What the adult is told: who took over and where the unsaved things are.
    QString text() const;
};
std::optional<TakenOver> taken_over(const QString& path);
