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

// Renames each (from, to) pair in order. When one fails, the files already
// moved are moved back and the reason is returned; "" when all moved.
QString move_all(const std::vector<std::pair<QString, QString>>& moves);

// A plain message for a write that failed at `folder`: a full disk is named
// as such, anything else is given with its reason.
QString write_failure_message(const QString& folder, const QString& reason);
