#pragma once
// "Show User's Guide": the guide text, one list line per file line.

#include <QString>
#include <QStringList>

// The lines of <dataFolder>aobj_gid.txt, unchanged but for their line
// ends; one explanatory line when the file cannot be read.
QStringList users_guide_lines(const QString& dataFolder);
