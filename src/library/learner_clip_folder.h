#pragma once
// The folder the adults' clip tools change when a learner is named: the
// learner's own folder, with the account's clips after it, so that a clip
// added there plays for that learner only.

#include "library/clip_folder.h"

#include <QString>
#include <optional>

struct ChosenClipFolder {
    std::optional<ClipFolder> folder;
    QString problem;  // a plain message when there is no folder
};

// `folder` and `learner` as the tools' --folder and --learner give them
// ("" when left out); with neither, this account's own clips.
ChosenClipFolder choose_clip_folder(const QString& folder, const QString& learner);
ChosenClipFolder choose_clip_folder(const QString& folder, const QString& learner, const Folders& folders);
