#pragma once
// A clip folder left half changed by an add or remove that was killed (a
// crash, a power cut, a closed terminal) is put back as it was before that
// change: a clip list set aside for its replacement is never lost, nor is a
// list left without the clips the others name.

#include <QString>
#include <QStringList>

// The name of the journal an add or remove keeps in the folder while it
// renames its files into place.
QString change_journal(const QString& folder);

// Puts the folder back; call it with the folder locked. One plain sentence
// for each clip list that was put back.
QStringList undo_unfinished_change(const QString& folder);

// At the program's start-up: each folder that no clip tool is changing now.
void undo_unfinished_changes(const QStringList& folders);
