#include "library/library_check.h"

#include "library/clip_library.h"
#include "library/end_stills.h"
#include "library/wav_check.h"
#include "media/clip_probe.h"
#include "media/picture_difference.h"
#include "state/clip_list.h"
#include "state/sequence_file.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <map>

namespace {

// Stills are compressed once more than the frames they copy; a mean
// difference above this is a different picture.
constexpr double StillTolerance = 8;

QImage read_jpeg(const QString& path)
{
    QImageReader reader(path, "jpeg");
    return reader.read();
}

// A clip's file where the program would find it; a missing one is named in
// the folder being checked.
QString clip_file(const QStringList& folders, const QString& fileName)
{
    return file_in_folders(folders, fileName, folders.first());
}

// A missing picture is reported as missing, not once more as unreadable.
bool unreadable_jpeg(const QString& path)
{
    return QFile::exists(path) && read_jpeg(path).isNull();
}

void check_pictures(const QStringList& folders, const QString& name, QStringList& problems)
{
    if (unreadable_jpeg(clip_file(folders, name + ".jpg")))
        problems << QStringLiteral("Clip \"%1\": the label picture %1.jpg is not a JPEG picture.").arg(name);
    for (const QString& suffix : {QStringLiteral("_first.jpg"), QStringLiteral("_last.jpg")}) {
        const QString path = clip_file(folders, name + suffix);
        const QImage still = read_jpeg(path);
        if (unreadable_jpeg(path))
            problems << QStringLiteral("Clip \"%1\": the still %1%2 is not a JPEG picture.").arg(name, suffix);
        else if (!still.isNull() && still.size() != QSize(StillWidth, StillHeight))
            problems << QStringLiteral("Clip \"%1\": the still %1%2 is %3 x %4 pixels instead of %5 x %6.")
                            .arg(name, suffix).arg(still.width()).arg(still.height()).arg(StillWidth).arg(StillHeight);
    }
}

void check_clip_file(const QStringList& folders, const QString& name, QStringList& problems)
{
    const QString mpg = clip_file(folders, name + ".mpg");
    const QString unplayable = clip_picture_problem(mpg);
    if (!unplayable.isEmpty()) {
        problems << QStringLiteral("Clip \"%1\": the video %1.mpg cannot be played (%2).").arg(name, unplayable);
        return;
    }
    const EndStills ends = decode_end_stills(mpg);
    const std::pair<QString, const QImage*> stills[] = {{"_first.jpg", &ends.first}, {"_last.jpg", &ends.last}};
    for (const auto& [suffix, frame] : stills) {
        const QImage still = read_jpeg(clip_file(folders, name + suffix));
        if (!still.isNull() && mean_abs_difference(still, *frame) > StillTolerance)
            problems << QStringLiteral("Clip \"%1\": the still %1%2 does not show the %3 picture of the video "
                                       "(the video may be cut short, or the still made for another clip).")
                            .arg(name, suffix, suffix == "_first.jpg" ? "first" : "last");
    }
}

void check_clip(const QStringList& folders, const QString& name, QStringList& problems)
{
    QStringList missing;
    for (const QString& suffix : clip_file_suffixes())
        if (!QFile::exists(clip_file(folders, name + suffix)))
            missing << name + suffix;
    if (!missing.isEmpty())
        problems << QStringLiteral("Clip \"%1\": missing %2.").arg(name, missing.join(", "));
    if (QFile::exists(clip_file(folders, name + ".mpg")))
        check_clip_file(folders, name, problems);
    check_pictures(folders, name, problems);
    if (QFile::exists(clip_file(folders, name + ".wav"))) {
        const QString bad = wav_problem(clip_file(folders, name + ".wav"));
        if (!bad.isEmpty())
            problems << QStringLiteral("Clip \"%1\": the spoken name %1.wav cannot be played (%2).").arg(name, bad);
    }
}

}  // namespace

QStringList check_library(const QString& folderPath, const std::function<void(double)>& progress,
                          const QStringList& moreFolders)
{
    const QDir folder(folderPath);
    const QStringList clipFolders = QStringList{folder.path() + u'/'} + moreFolders;
    QStringList problems;
    // Each clip with the files that list it, in order of first mention.
    std::map<QString, QStringList> listedIn;
    QStringList order;
    const QStringList files = sequence_file_names();
    for (const QString& file : files) {
        const QString path = folder.filePath(file);
        const SequenceFile read = read_sequence_file(path);
        if (!read.error.isEmpty())
            problems << read.error;
        if (read.truncated)
            problems << truncated_record_message(path);
        for (const SequenceRecord& r : read.records) {
            const QString& name = r.fields[0];
            if (!is_safe_clip_name(name)) {
                problems << QStringLiteral("%1 lists \"%2\", which is not a usable clip name.").arg(file, name);
                continue;
            }
            if (!is_category_key(r.fields[1]))
                problems << QStringLiteral("%1 puts \"%2\" in \"%3\", which is not one of the categories.")
                                .arg(file, name, r.fields[1]);
            if (listedIn[name].contains(file))
                problems << QStringLiteral("%1 lists \"%2\" more than once.").arg(file, name);
            else
                listedIn[name] << file;
            if (!order.contains(name))
                order << name;
        }
    }
    for (int i = 0; i < order.size(); ++i) {
        const QString& name = order[i];
        if (listedIn[name].size() < files.size()) {
            QStringList absent;
            for (const QString& file : files)
                if (!listedIn[name].contains(file))
                    absent << file;
            problems << QStringLiteral("Clip \"%1\" is listed in %2 but not in %3.")
                            .arg(name, listedIn[name].join(" and "), absent.join(" and "));
        }
        check_clip(clipFolders, name, problems);
        if (progress)
            progress(double(i + 1) / order.size());
    }
    // An add cut off by a crash or power loss leaves its hidden work folder,
    // with up to a whole converted video in it.
    for (const QString& left : folder.entryList({QStringLiteral(".adding-clip-*")}, QDir::Dirs | QDir::Hidden))
        problems << QStringLiteral("The folder \"%1\" was left by adding a clip that did not finish; it can be "
                                   "deleted.").arg(folder.filePath(left));
    return problems;
}
