#pragma once
// "Show User's Guide": the guide text, one list line per file line.

#include <QByteArray>
#include <QString>
#include <QStringList>

// The lines of <dataFolder>aobj_gid.txt, unchanged but for their line
// ends; one explanatory line when the file cannot be read.
QStringList users_guide_lines(const QString& dataFolder);

// The lines of the guide's content already read; none when it is no text
// decode_text can read.
QStringList users_guide_lines(const QByteArray& content);
