#include "library/clip_library.h"

#include "library/clip_name.h"
#include "library/end_stills.h"
#include "library/file_swap.h"
#include "library/folder_lock.h"
#include "library/label_card.h"
#include "library/sequence_lines.h"
#include "library/spoken_name.h"
#include "library/unfinished_change.h"
#include "state/clip_list.h"
#include "state/globvars.h"
#include "state/sequence_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <cmath>

namespace {

constexpr int StillQuality = 92;
// The clip's files are made under this name and given their own on the way in.
const QString ScratchName = QStringLiteral("clip");

// The three files as they are now; a missing file counts as empty, so a new
// folder can be started from nothing.
struct SequenceSet {
    QStringList paths;
    std::vector<QByteArray> bytes;
    QString problem;
};

SequenceSet read_sequence_set(const QDir& folder)
{
    SequenceSet set;
    for (const QString& name : sequence_file_names()) {
        const QString path = folder.filePath(name);
        set.paths << path;
        QFile file(path);
        if (!file.exists()) {
            set.bytes.emplace_back();
            continue;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            set.problem = QStringLiteral("The clip list \"%1\" could not be opened (%2).")
                              .arg(path, file.errorString());
            return set;
        }
        set.bytes.push_back(file.readAll());
    }
    return set;
}

// Writes the new contents beside the old ones, then swaps them in together
// with the clip's media files (moved first, so a record never lacks its files).
QString commit(const QDir& folder, const QString& scratch, const SequenceSet& set,
               const std::vector<QByteArray>& newBytes, std::vector<std::pair<QString, QString>> moves)
{
    for (size_t i = 0; i < newBytes.size(); ++i) {
        if (newBytes[i] == set.bytes[i])
            continue;
        const QString temporary = QDir(scratch).filePath(QFileInfo(set.paths[int(i)]).fileName());
        const QString failed = write_durably(temporary, newBytes[i]);
        if (!failed.isEmpty())
            return write_failure_message(folder.path(), failed);
        moves.emplace_back(temporary, set.paths[int(i)]);
    }
    const QString failed = move_all(moves, change_journal(folder.path()));
    return failed.isEmpty() ? QString() : write_failure_message(folder.path(), failed);
}

// The clip already listed under this title, if any: a second clip of the
// same title would be told apart by neither the listing nor the voice.
QString clip_titled(const std::vector<SequenceLines>& lists, const QString& title)
{
    for (const SequenceLines& file : lists)
        for (const SequenceLine& line : file)
            if (line.isRecord && line.title.compare(title, Qt::CaseInsensitive) == 0)
                return line.name;
    return {};
}

QString same_title_message(const QDir& folder, const QString& title, const QString& name)
{
    return QStringLiteral("There is already a clip called \"%1\" in \"%2\" (its files are named %3). Nothing "
                          "was added; please give this clip another title, or remove the other one first.")
        .arg(title, folder.path(), name);
}

std::vector<SequenceLines> split_all(const SequenceSet& set)
{
    std::vector<SequenceLines> lines;
    for (const QByteArray& bytes : set.bytes)
        lines.push_back(split_sequence(bytes));
    return lines;
}

QString check_request(const QDir& folder, const NewClip& clip, const VideoFacts& facts)
{
    if (!is_category_key(clip.category))
        return QStringLiteral("\"%1\" is not one of the categories. Please choose one of: %2.")
            .arg(clip.category, QStringList(CategoryKeys.begin(), CategoryKeys.end()).join(", "));
    if (!folder.exists())
        return QStringLiteral("The folder \"%1\" does not exist.").arg(folder.path());
    if (!QFileInfo(folder.path()).isWritable())
        return QStringLiteral("The folder \"%1\" cannot be changed (it is read-only). Nothing was added.")
            .arg(folder.path());
    if (!QFileInfo(clip.video).isFile())
        return QStringLiteral("The video \"%1\" was not found.").arg(clip.video);
    if (!facts.readable)
        return QStringLiteral("\"%1\" is not a video this computer can read.").arg(clip.video);
    if (!facts.hasPictures)
        return QStringLiteral("\"%1\" has no pictures, only sound. Please choose a video.").arg(clip.video);
    if (facts.seconds < ShortestClip)
        return QStringLiteral("\"%1\" is a single picture or too short to be a clip. Please choose a video.")
            .arg(clip.video);
    const PartCheck part = check_part(clip.trim, facts.seconds);
    if (!part.problem.isEmpty())
        return part.problem;
    if (!clip.labelPicture.isEmpty() && QImageReader(clip.labelPicture).read().isNull())
        return QStringLiteral("\"%1\" is not a picture this computer can read.").arg(clip.labelPicture);
    return {};
}

bool save_jpeg(const QImage& image, const QString& path)
{
    return image.save(path, "JPEG", StillQuality);
}

// Makes the five files in `scratch`; "" or a plain message.
QString make_clip_files(const NewClip& clip, const VideoFacts& facts, const QString& title,
                        const QDir& folder, const QDir& scratch, const QString& name,
                        const LibraryProgress& progress)
{
    const QString mpg = scratch.filePath(name + ".mpg");
    progress(0, QStringLiteral("Converting the video"));
    const QString failed = encode_clip(clip.video, facts, clip.trim, mpg, [&](double f) {
        progress(0.85 * f, QStringLiteral("Converting the video"));
    });
    if (!failed.isEmpty())
        return QStringLiteral("The video \"%1\" could not be converted (%2).").arg(clip.video, failed);
    progress(0.85, QStringLiteral("Taking the first and last pictures"));
    const EndStills stills = decode_end_stills(mpg);
    if (!stills.problem.isEmpty())
        return QStringLiteral("The converted clip could not be read back (%1).").arg(stills.problem);
    const QImage picture = clip.labelPicture.isEmpty() ? QImage() : QImageReader(clip.labelPicture).read();
    if (!save_jpeg(stills.first, scratch.filePath(name + "_first.jpg"))
        || !save_jpeg(stills.last, scratch.filePath(name + "_last.jpg"))
        || !save_jpeg(make_label_card(title, picture), scratch.filePath(name + ".jpg")))
        return write_failure_message(folder.path(), QStringLiteral("the pictures could not be saved"));
    progress(0.92, QStringLiteral("Making the spoken name"));
    return make_spoken_name(title, clip.voiceRecording, scratch.filePath(name + ".wav"));
}

// The clip's name, chosen and recorded in the three lists with the folder
// locked, so that two adds at once each keep their own name and record.
QString record_clip(const QDir& folder, const NewClip& clip, const QString& title, double seconds,
                    const QString& scratch, const FolderWait& waiting, AddedClip& added)
{
    const FolderLock lock(folder.path(), waiting);
    if (!lock.held())
        return lock.problem();
    added.notes << undo_unfinished_change(folder.path());
    const SequenceSet set = read_sequence_set(folder);
    if (!set.problem.isEmpty())
        return set.problem;
    std::vector<SequenceLines> lines = split_all(set);
    const QString sameTitle = clip_titled(lines, title);
    if (!sameTitle.isEmpty())
        return same_title_message(folder, title, sameTitle);
    const QString name = clip_name_for(title, [&](const QString& candidate) {
        for (const SequenceLines& file : lines)
            for (const SequenceLine& line : file)
                if (line.isRecord && line.name.compare(candidate, Qt::CaseInsensitive) == 0)
                    return true;
        for (const QString& suffix : clip_file_suffixes())
            if (QFile::exists(folder.filePath(candidate + suffix)))
                return true;
        return false;
    });
    const QByteArray record = sequence_record(name, clip.category, title, int(std::lround(seconds)));
    std::random_device seed;
    std::mt19937 random(seed());
    insert_record(lines[0], random_place(lines[0], random), record);
    insert_record(lines[1], category_place(lines[1], clip.category), record);
    insert_record(lines[2], title_place(lines[2], title), record);
    std::vector<QByteArray> newBytes;
    for (const SequenceLines& file : lines)
        newBytes.push_back(join_sequence(file));
    std::vector<std::pair<QString, QString>> moves;
    for (const QString& suffix : clip_file_suffixes())
        moves.emplace_back(QDir(scratch).filePath(ScratchName + suffix), folder.filePath(name + suffix));
    const QString failed = commit(folder, scratch, set, newBytes, moves);
    if (failed.isEmpty())
        added.name = name;
    return failed;
}

QString commit_removal(const QDir& folder, const SequenceSet& set, const std::vector<QByteArray>& newBytes)
{
    QTemporaryDir scratch(folder.filePath(QStringLiteral(".removing-clip-XXXXXX")));
    if (!scratch.isValid())
        return write_failure_message(folder.path(), scratch.errorString());
    return commit(folder, scratch.path(), set, newBytes, {});
}

void remove_files(const QStringList& files)
{
    for (const QString& file : files)
        QFile::remove(file);
}

}  // namespace

const QStringList& clip_file_suffixes()
{
    static const QStringList suffixes = {".mpg", "_first.jpg", "_last.jpg", ".jpg", ".wav"};
    return suffixes;
}

bool is_category_key(const QString& key)
{
    for (const char* k : CategoryKeys)
        if (key == QLatin1String(k))
            return true;
    return false;
}

QStringList sequence_file_names()
{
    return {sequence_file_name(1), sequence_file_name(2), sequence_file_name(3)};
}

AddedClip add_clip(const QString& folderPath, const NewClip& clip, const LibraryProgress& report,
                   const FolderWait& wait)
{
    const LibraryProgress progress = report ? report : [](double, const QString&) {};
    const FolderWait waiting = wait ? wait : [&](const QString& message) { progress(0.97, message); };
    AddedClip added;
    const QDir folder(folderPath);
    const TitleCheck title = check_title(clip.title);
    if (!title.problem.isEmpty()) {
        added.problem = title.problem;
        return added;
    }
    const VideoFacts facts = probe_video(clip.video);
    added.problem = check_request(folder, clip, facts);
    if (!added.problem.isEmpty())
        return added;
    // Told before the work rather than after it; asked again when recording.
    const SequenceSet before = read_sequence_set(folder);
    const QString sameTitle = clip_titled(split_all(before), title.title);
    if (!sameTitle.isEmpty()) {
        added.problem = same_title_message(folder, title.title, sameTitle);
        return added;
    }
    if (!facts.hasSound)
        added.notes << QStringLiteral("The video has no sound, so the clip plays silently.");

    // Hidden work folder on the same disk, so the finished files can be
    // renamed into place; it goes away with everything left in it.
    QTemporaryDir scratch(folder.filePath(QStringLiteral(".adding-clip-XXXXXX")));
    if (!scratch.isValid()) {
        added.problem = write_failure_message(folder.path(), scratch.errorString());
        return added;
    }
    added.problem =
        make_clip_files(clip, facts, title.title, folder, QDir(scratch.path()), ScratchName, progress);
    // Whatever step ran out of space, the adult is told that, not how the step failed.
    if (!added.problem.isEmpty() && disk_is_full(folder.path()))
        added.problem = disk_full_message(folder.path());
    if (!added.problem.isEmpty())
        return added;
    added.problem =
        record_clip(folder, clip, title.title, part_end(clip.trim, facts.seconds) - clip.trim.start,
                    scratch.path(), waiting, added);
    progress(1, QStringLiteral("Done"));
    return added;
}

QString remove_clip(const QString& folderPath, const QString& name, const FolderWait& waiting)
{
    const QDir folder(folderPath);
    if (!is_safe_clip_name(name))
        return QStringLiteral("\"%1\" is not a clip name.").arg(name);
    if (is_program_name(name))
        return QStringLiteral("\"%1\" is one of the program's own files, not a clip. Nothing was removed.")
            .arg(name);
    if (!QFileInfo(folder.path()).isWritable())
        return QStringLiteral("The folder \"%1\" cannot be changed (it is read-only). Nothing was removed.")
            .arg(folder.path());
    const FolderLock lock(folder.path(), waiting);
    if (!lock.held())
        return lock.problem();
    undo_unfinished_change(folder.path());
    const SequenceSet set = read_sequence_set(folder);
    if (!set.problem.isEmpty())
        return set.problem;
    std::vector<QByteArray> newBytes;
    int removed = 0;
    for (const QByteArray& bytes : set.bytes) {
        SequenceLines lines = split_sequence(bytes);
        removed += remove_records(lines, name);
        newBytes.push_back(join_sequence(lines));
    }
    QStringList files;
    for (const QString& suffix : clip_file_suffixes())
        if (QFile::exists(folder.filePath(name + suffix)))
            files << folder.filePath(name + suffix);
    // Only what a list names is a clip: files of the same name are someone else's.
    if (removed == 0)
        return QStringLiteral("There is no clip called \"%1\" in the clip lists of \"%2\". Nothing was "
                              "removed.")
            .arg(name, folder.path());

    // Records go first: files without a record are harmless, a record
    // without its files is not. On a full disk there is no room for the
    // shorter lists until the clip's own files are gone.
    const bool full = disk_is_full(folder.path());
    if (full)
        remove_files(files);
    QString failed = commit_removal(folder, set, newBytes);
    if (failed.isEmpty())
        remove_files(files);
    else if (full)
        failed =
            QStringLiteral("The disk is full: the clip's files were deleted, but the clip lists could not be "
                           "rewritten (%1); the clip stays listed until there is room.")
                .arg(failed);
    return failed;
}

std::vector<ListedClip> list_clips(const QString& folder, QString* problem)
{
    std::vector<ListedClip> clips;
    const SequenceFile file = read_sequence_file(QDir(folder).filePath(sequence_file_name(2)));
    if (problem)
        *problem = file.error;
    for (const SequenceRecord& r : file.records)
        clips.push_back({r.fields[0], r.fields[1], r.fields[2]});
    return clips;
}
