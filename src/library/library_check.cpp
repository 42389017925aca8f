#include "library/library_check.h"

#include "library/clip_library.h"
#include "library/clip_name.h"
#include "library/decoded_length.h"
#include "library/end_stills.h"
#include "library/folder_lock.h"
#include "library/unfinished_change.h"
#include "library/video_probe.h"
#include "library/wav_check.h"
#include "media/clip_probe.h"
#include "media/picture_difference.h"
#include "state/clip_list.h"
#include "state/sequence_file.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <chrono>
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

// A clip as the check names it: by the title the adult sees, and the name its
// files carry.
struct CheckedClip {
    QString name, title;
    double seconds = 0;  // as its records give it, to the nearest second
    QString label() const { return QStringLiteral("Clip \"%1\" (%2)").arg(title, name); }
};

// A missing picture is reported as missing, not once more as unreadable.
bool unreadable_jpeg(const QString& path)
{
    return QFile::exists(path) && read_jpeg(path).isNull();
}

void check_pictures(const QStringList& folders, const CheckedClip& clip, QStringList& problems)
{
    const QString& name = clip.name;
    if (unreadable_jpeg(clip_file(folders, name + ".jpg")))
        problems
            << QStringLiteral("%1: the label picture %2.jpg is not a JPEG picture.").arg(clip.label(), name);
    for (const QString& suffix : {QStringLiteral("_first.jpg"), QStringLiteral("_last.jpg")}) {
        const QString path = clip_file(folders, name + suffix);
        const QImage still = read_jpeg(path);
        if (unreadable_jpeg(path))
            problems << QStringLiteral("%1: the still %2%3 is not a JPEG picture.")
                            .arg(clip.label(), name, suffix);
        else if (!still.isNull() && still.size() != QSize(StillWidth, StillHeight))
            problems << QStringLiteral("%1: the still %2%3 is %4 x %5 pixels instead of %6 x %7.")
                            .arg(clip.label(), name, suffix)
                            .arg(still.width())
                            .arg(still.height())
                            .arg(StillWidth)
                            .arg(StillHeight);
    }
}

// A clip cut short plays its first part and stops, and its last picture may
// still look like its last still. Its records give its length to the
// nearest second; the file's own header, when whole, more closely.
void check_length(const QString& mpg, const CheckedClip& clip, QStringList& problems)
{
    const double decoded = decoded_seconds(mpg);
    const double header = probe_video(mpg).seconds;
    const double expected = std::max(clip.seconds, header);
    if (decoded < std::max(clip.seconds - 0.5, header) - 0.5)
        problems << QStringLiteral(
                        "%1: the video %2.mpg stops after %3 of its %4 seconds (it was cut short or is "
                        "damaged part-way). Please add the clip again or copy back a whole %2.mpg.")
                        .arg(clip.label(), clip.name)
                        .arg(decoded, 0, 'f', 1)
                        .arg(expected, 0, 'f', 1);
}

void check_clip_file(const QStringList& folders, const CheckedClip& clip, QStringList& problems)
{
    const QString& name = clip.name;
    const QString mpg = clip_file(folders, name + ".mpg");
    const QString unplayable = clip_picture_problem(mpg);
    if (!unplayable.isEmpty()) {
        problems << QStringLiteral("%1: the video %2.mpg cannot be played (%3).")
                        .arg(clip.label(), name, unplayable);
        return;
    }
    check_length(mpg, clip, problems);
    const EndStills ends = decode_end_stills(mpg);
    const std::pair<QString, const QImage*> stills[] = {{"_first.jpg", &ends.first},
                                                        {"_last.jpg", &ends.last}};
    for (const auto& [suffix, frame] : stills) {
        const QImage still = read_jpeg(clip_file(folders, name + suffix));
        if (!still.isNull() && mean_abs_difference(still, *frame) > StillTolerance)
            problems << QStringLiteral("%1: the still %2%3 does not show the %4 picture of the video "
                                       "(the video may be cut short, or the still made for another clip).")
                            .arg(clip.label(), name, suffix, suffix == "_first.jpg" ? "first" : "last");
    }
}

void check_clip(const QStringList& folders, const CheckedClip& clip, QStringList& problems)
{
    const QString& name = clip.name;
    QStringList missing;
    for (const QString& suffix : clip_file_suffixes())
        if (!QFile::exists(clip_file(folders, name + suffix)))
            missing << name + suffix;
    if (!missing.isEmpty())
        problems << QStringLiteral("%1: missing %2.").arg(clip.label(), missing.join(", "));
    if (QFile::exists(clip_file(folders, name + ".mpg")))
        check_clip_file(folders, clip, problems);
    check_pictures(folders, clip, problems);
    if (QFile::exists(clip_file(folders, name + ".wav"))) {
        const QString bad = wav_problem(clip_file(folders, name + ".wav"));
        if (!bad.isEmpty())
            problems << QStringLiteral("%1: the spoken name %2.wav cannot be played (%3).")
                            .arg(clip.label(), name, bad);
    }
}

// Files of clips that no list names are left by an add that did not finish
// or copied in by hand; the player never shows them.
void check_unlisted(const QDir& folder, const std::map<QString, QStringList>& listed, QStringList& problems)
{
    std::map<QString, QStringList> unlisted;
    for (const QString& file : folder.entryList(QDir::Files, QDir::Name)) {
        QString owner;
        for (const QString& suffix : clip_file_suffixes()) {
            const QString base = file.chopped(std::min(file.size(), suffix.size()));
            if (file.endsWith(suffix) && (owner.isEmpty() || listed.count(base)))
                owner = base;
        }
        if (!owner.isEmpty() && !listed.count(owner) && !is_program_name(owner))
            unlisted[owner] << file;
    }
    for (const auto& [owner, files] : unlisted)
        problems << QStringLiteral(
                        "No clip list names the clip files %1 in \"%2\" (left by an add that did not "
                        "finish, or copied in by hand); add the video again, or delete them.")
                        .arg(files.join(", "), folder.path());
}

void check_program_files(const QString& program_folder, QStringList& problems)
{
    const QDir folder(program_folder);
    for (const QString& name : program_file_names())
        if (!QFile::exists(folder.filePath(name)))
            problems << QStringLiteral("The program's own file %1 is missing from \"%2\"; please install the "
                                       "program again.")
                            .arg(name, folder.path());
}

}  // namespace

QStringList check_library(const QString& folderPath, const std::function<void(double)>& progress,
                          const QStringList& moreFolders, const QString& program_folder)
{
    const QDir folder(folderPath);
    const QStringList clipFolders = QStringList{folder.path() + u'/'} + moreFolders;
    QStringList problems;
    {
        const FolderLock lock(folder.path(), {}, std::chrono::seconds(5));
        if (lock.held())
            problems << undo_unfinished_change(folder.path());
    }
    // Each clip with the files that list it, in order of first mention.
    std::map<QString, QStringList> listedIn;
    std::map<QString, CheckedClip> clips;
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
                problems
                    << QStringLiteral("%1 lists \"%2\", which is not a usable clip name.").arg(file, name);
                continue;
            }
            if (!is_category_key(r.fields[1]))
                problems << QStringLiteral("%1 puts \"%2\" in \"%3\", which is not one of the categories.")
                                .arg(file, name, r.fields[1]);
            if (listedIn[name].contains(file))
                problems << QStringLiteral("%1 lists \"%2\" more than once.").arg(file, name);
            else
                listedIn[name] << file;
            if (!order.contains(name)) {
                order << name;
                clips[name] = {name, r.fields[2], r.fields[3].toDouble()};
            }
        }
    }
    for (int i = 0; i < order.size(); ++i) {
        const QString& name = order[i];
        if (listedIn[name].size() < files.size()) {
            QStringList absent;
            for (const QString& file : files)
                if (!listedIn[name].contains(file))
                    absent << file;
            problems << QStringLiteral("%1 is listed in %2 but not in %3.")
                            .arg(clips[name].label(), listedIn[name].join(" and "), absent.join(" and "));
        }
        check_clip(clipFolders, clips[name], problems);
        if (progress)
            progress(double(i + 1) / order.size());
    }
    // An add cut off by a crash or power loss leaves its hidden work folder,
    // with up to a whole converted video in it.
    for (const QString& left :
         folder.entryList({QStringLiteral(".adding-clip-*")}, QDir::Dirs | QDir::Hidden))
        problems << QStringLiteral(
                        "The folder \"%1\" was left by adding a clip that did not finish; it can be "
                        "deleted.")
                        .arg(folder.filePath(left));
    check_unlisted(folder, listedIn, problems);
    if (!program_folder.isEmpty())
        check_program_files(program_folder, problems);
    return problems;
}
