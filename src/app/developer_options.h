#pragma once
// Options for developers on the command line, named in the README:
//   --response-log FILE     one line per event of every run (see TurnLines)
//   --windows-version M.N   answer as that version of Windows NT would, to
//                           watch the turn that holds the player's own first frame
// Anything else on the command line is ignored, as it always was.

#include "media/version_name.h"

#include <QString>
#include <QStringList>
#include <optional>

struct DeveloperOptions {
    QString responseLog;  // "" when not asked for
    std::optional<OsVersionInfo> windowsVersion;
};

DeveloperOptions developer_options(const QStringList& arguments);
