#pragma once
// A learner in use on one computer is locked for the others, so that two
// laptops sharing a school's learners folder never overwrite each other's
// options: the file aobj_lck.txt in the learner's folder names the computer,
// the program's process and the time it was taken.

#include <QDateTime>
#include <QString>
#include <optional>

inline constexpr const char* LearnerLockFile = "aobj_lck.txt";

struct LockHolder {
    QString host;
    qint64 process = 0;
    QDateTime since;

    // "on the computer "laptop-3" since 09:12 on 8 December 2026"
    QString where() const;
};

// Who else holds the learner in `folder` (ending with '/'): nullopt when
// nobody does, this process does, or a program on this computer that has
// ended left the lock behind.
std::optional<LockHolder> other_holder(const QString& folder);

// Takes the lock for this process, over any other holder. "" or a plain message.
QString take_lock(const QString& folder);

// Gives the lock back when this process holds it.
void release_lock(const QString& folder);
