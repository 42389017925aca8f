#pragma once
// Putting finished files in place all together or not at all: each is first
// written in full beside its destination, then renamed over it, so a crash
// or a full disk never leaves a half-written file where the program looks.

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// Writes bytes to path and forces them to the disk; "" or the reason it failed.
QString write_durably(const QString& path, const QByteArray& bytes);

// What follows a file's name while it is set aside for its replacement.
inline constexpr char SetAsideSuffix[] = ".replaced";

// Renames each (from, to) pair in order; every `to` lies in the folder of
// `journal`. When one fails, the files already moved are moved back and the
// reason is returned; "" when all moved. While the renames are under way the
// journal names them, so that a process killed part way can be undone.
QString move_all(const std::vector<std::pair<QString, QString>>& moves, const QString& journal);

// Undoes what a killed move_all left half done, as its journal tells, and
// removes the journal. The names of the files put back as they were.
QStringList undo_unfinished_moves(const QString& journal);

// A plain message for a write that failed at `folder`: a full disk is named
// as such, anything else is given with its reason.
QString write_failure_message(const QString& folder, const QString& reason);

// Whether so little space is left at `folder` that a failed write there is
// taken to be for want of space, and what the adult is then told.
bool disk_is_full(const QString& folder);
QString disk_full_message(const QString& folder);
