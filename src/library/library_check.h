#pragma once
// Checks a clip folder as the program will use it: the three sequence files
// read and list the same clips, and every clip's five files are there, whole
// and playable, with stills that match the clip's ends.

#include <QString>
#include <QStringList>
#include <functional>

// One plain sentence per problem, each clip named by its title and file
// name; empty when the library is sound. progress receives 0..1 as the clips
// are checked. A clip file the folder lacks is looked for in moreFolders, as
// the program does. The program's own files are looked for in program_folder
// unless it is "". A change left half done is first put back (and told).
QStringList check_library(const QString& folder, const std::function<void(double)>& progress = {},
                          const QStringList& moreFolders = {}, const QString& program_folder = {});
