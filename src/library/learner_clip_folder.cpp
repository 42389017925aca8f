#include "library/learner_clip_folder.h"

#include "state/learners.h"

ChosenClipFolder choose_clip_folder(const QString& folder, const QString& learner)
{
    return choose_clip_folder(folder, learner,
                              decide_folders(FolderPlaces::of_this_process(), DiskFolderFileSystem()));
}

ChosenClipFolder choose_clip_folder(const QString& folder, const QString& learner, const Folders& folders)
{
    if (learner.isEmpty())
        return {ClipFolder(folder, folders), {}};
    if (!folder.isEmpty())
        return {std::nullopt, QStringLiteral("Name a folder or a learner, not both.")};
    const Learners learners(folders);
    const std::optional<Learner> found = learners.find(learner);
    if (!found)
        return {std::nullopt, learners.unknown(learner)};
    Folders withLearner = folders;
    withLearner.learner = found->folder;
    return {ClipFolder(found->folder, withLearner), {}};
}
