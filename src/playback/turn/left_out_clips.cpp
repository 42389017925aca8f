#include "playback/turn/left_out_clips.h"

#include "playback/turn_events.h"
#include "state/clip_list.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

bool readable_file(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable() && info.size() > 0;
}

bool LeftOutClips::files_usable(const GlobVars& g, const QString& clip, bool stills)
{
    QStringList suffixes{QStringLiteral(".jpg"), QStringLiteral(".wav"), QStringLiteral(".mpg")};
    if (stills)
        suffixes << QStringLiteral("_first.jpg") << QStringLiteral("_last.jpg");
    bool usable = !clip.isEmpty();
    for (const QString& suffix : suffixes)
        if (!readable_file(clip_file_path(g, clip + suffix))) {
            add(clip, clip + suffix);
            usable = false;
        }
    return usable;
}

void LeftOutClips::add(const QString& clip, const QString& file, const QString& why)
{
    events_.clip_left_out(clip, file, why);
    auto entry = std::find_if(clips_.begin(), clips_.end(), [&](const auto& e) { return e.first == clip; });
    if (entry == clips_.end())
        entry = clips_.insert(clips_.end(), {clip, {}});
    const QString named = why.isEmpty() ? file : QStringLiteral("%1 (%2)").arg(file, why);
    if (!entry->second.contains(named))
        entry->second << named;
}

QString LeftOutClips::message(const QString& mediaFolder) const
{
    if (clips_.empty())
        return {};
    QString text = QStringLiteral("Some clips were left out because files are missing, cannot be read "
                                  "or cannot be played (in %1):")
                       .arg(QDir::toNativeSeparators(mediaFolder));
    for (const auto& [clip, files] : clips_)
        text +=
            QStringLiteral("\n%1: %2")
                .arg(clip.isEmpty() ? QStringLiteral("(no name)") : clip, files.join(QStringLiteral(", ")));
    return text;
}
