#include "learner_chooser.h"

#include "library/learner_clip_folder.h"
#include "state/learners.h"

#include <QInputDialog>
#include <QMessageBox>

std::optional<ClipFolder> choose_window_clip_folder(const QStringList& arguments)
{
    const qsizetype option = arguments.indexOf(QStringLiteral("--learner"));
    QString learner = option > 0 ? arguments.value(option + 1) : QString();
    const QString folder = option < 0 ? arguments.value(1) : QString();
    if (folder.isEmpty() && learner.isEmpty()) {
        const QList<Learner> learners =
            Learners(decide_folders(FolderPlaces::of_this_process(), DiskFolderFileSystem())).list();
        if (!learners.isEmpty()) {
            QStringList choices{QStringLiteral("The clips every learner sees")};
            for (const Learner& one : learners)
                choices << QStringLiteral("%1's own clips").arg(one.name);
            bool chosen = false;
            const QString choice =
                QInputDialog::getItem(nullptr, QStringLiteral("Flickerbox II clip library"),
                                      QStringLiteral("Whose clips?"), choices, 0, false, &chosen);
            if (!chosen)
                return std::nullopt;
            const qsizetype at = choices.indexOf(choice);
            learner = at > 0 ? learners[at - 1].name : QString();
        }
    }
    const ChosenClipFolder chosen = choose_clip_folder(folder, learner);
    if (!chosen.folder)
        QMessageBox::warning(nullptr, QStringLiteral("Flickerbox II clip library"), chosen.problem);
    return chosen.folder;
}
