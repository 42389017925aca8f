// Adding, removing and checking clips with real videos made by ffmpeg.
#include "library/clip_library.h"
#include "library/library_check.h"
#include "media/clip_probe.h"
#include "media/mpv_player.h"
#include "media/picture_difference.h"
#include "media/picture.h"
#include "state/sequence_file.h"
#include "support/test_file.h"
#include "support/wait_until.h"
#include "test_videos.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const SequenceRecord* find_record(const QString& path, const QString& name, SequenceFile& file)
{
    file = read_sequence_file(path);
    for (const SequenceRecord& r : file.records)
        if (r.fields[0] == name)
            return &r;
    return nullptr;
}

// The demo library's sequence files in a folder of their own, and how they were.
struct DemoCopy {
    QTemporaryDir dir;
    QDir folder{dir.path() + "/clips"};
    QMap<QString, QByteArray> before;
    DemoCopy()
    {
        folder.mkpath(".");
        copy_demo_sequence_files(folder);
        before = folder_contents(folder);
    }
};

TEST(ClipLibrary, PortraitPhoneVideoBecomesAClipAndLeavesNoTraceWhenRemoved)
{
    const DemoCopy demo;
    const QDir& folder = demo.folder;
    const QMap<QString, QByteArray>& before = demo.before;
    const size_t demoClips = read_sequence_file(folder.filePath("aobj_sqc.seq")).records.size();
    const QString video = make_phone_video(QDir(demo.dir.path()), "odd_rate.mp4", 17, true);

    NewClip clip{video, QString::fromUtf8("Café, crème & \"co\""), "food", {}, {}, {}};
    const AddedClip added = add_clip(folder.path(), clip);
    ASSERT_EQ(added.problem, "");
    EXPECT_EQ(added.name, "cafe_creme_co");

    for (const QString& file : sequence_file_names()) {
        SequenceFile read;
        const SequenceRecord* record = find_record(folder.filePath(file), added.name, read);
        ASSERT_NE(record, nullptr) << file.toStdString();
        EXPECT_EQ(record->fields[1], "food");
        EXPECT_EQ(record->fields[2], QString::fromUtf8("Café, crème & \"co\""));
        EXPECT_EQ(read.records.size(), demoClips + 1);
    }
    EXPECT_EQ(clip_picture_problem(folder.filePath(added.name + ".mpg")), "");
    for (const char* suffix : {"_first.jpg", "_last.jpg"}) {
        Picture still;
        ASSERT_TRUE(still.load(folder.filePath(added.name + suffix))) << suffix;
        EXPECT_EQ(still.size(), QSize(352, 240));
        // Portrait: black bars left and right, the picture in the middle.
        EXPECT_LT(qGray(still.image().pixel(10, 120)), 20) << suffix;
        EXPECT_GT(qGray(still.image().pixel(176, 120)) + qGray(still.image().pixel(176, 60)), 40) << suffix;
    }
    Picture label;
    EXPECT_TRUE(label.load(folder.filePath(added.name + ".jpg")));

    // The program's player, in its 352 x 240 area, shows what the stills show.
    QWidget container;
    MpvPlayer player(&container);
    player.resize(352, 240);
    player.set_auto_start(false);
    player.set_file_name(folder.filePath(added.name + ".mpg"));
    ASSERT_TRUE(wait_until([&] { return !player.current_frame().isNull(); }, 20000));
    EXPECT_LT(mean_abs_difference(player.current_frame(), QImage(folder.filePath(added.name + "_first.jpg"))),
              6);
    player.play();
    ASSERT_TRUE(wait_until([&] { return player.play_state() == VideoPlayer::Stopped; }, 20000));
    wait_until([] { return false; }, 300);  // the last frame's paint
    EXPECT_LT(mean_abs_difference(player.current_frame(), QImage(folder.filePath(added.name + "_last.jpg"))),
              6);

    ASSERT_EQ(remove_clip(folder.path(), added.name), "");
    EXPECT_TRUE(folder_contents(folder) == before);
}

TEST(ClipLibrary, SilentVideoStartsANewFolderThatChecksSoundAndEachDamageIsFound)
{
    QTemporaryDir dir;
    const QDir folder(dir.path() + "/clips");
    ASSERT_TRUE(folder.mkpath("."));
    const QString video = make_phone_video(QDir(dir.path()), "silent.mp4", 29.97, false, 3);
    const AddedClip added = add_clip(folder.path(), {video, "Bus", "vehicles", {}, {}, {}});
    ASSERT_EQ(added.problem, "");
    ASSERT_EQ(added.notes.size(), 1);
    EXPECT_TRUE(added.notes[0].contains("no sound"));
    EXPECT_EQ(check_library(folder.path()).join("\n").toStdString(), "");

    QFile::remove(folder.filePath("bus_first.jpg"));
    QFile mpg(folder.filePath("bus.mpg"));
    mpg.resize(mpg.size() / 2);
    write_test_file(folder.filePath("aobj_sqa.seq"), "ghost,animals,\"Ghost\",1,\"\"\r\n", QIODevice::Append);
    ASSERT_TRUE(folder.mkdir(".adding-clip-Xy12ab"));  // an add cut off by a crash

    const QString problems = check_library(folder.path()).join("\n");
    EXPECT_TRUE(problems.contains("missing bus_first.jpg")) << problems.toStdString();
    EXPECT_TRUE(problems.contains("bus_last.jpg does not show the last picture")) << problems.toStdString();
    EXPECT_TRUE(problems.contains("Clip \"Ghost\" (ghost) is listed in aobj_sqa.seq but not in"))
        << problems.toStdString();
    EXPECT_TRUE(problems.contains("missing ghost.mpg, ghost_first.jpg")) << problems.toStdString();
    EXPECT_TRUE(problems.contains(folder.filePath(".adding-clip-Xy12ab") + "\" was left by adding a clip"))
        << problems.toStdString();
}

// A demo clip whose video was cut to its first 20 kB (its last still may
// still match), a clip's files no list names, and a folder taken for the
// program's own that lacks them: each is named, the clip by its title.
TEST(ClipLibrary, CheckNamesAClipCutShortFilesNoListNamesAndMissingProgramFiles)
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QDir demo(qEnvironmentVariable("FLICKERBOX_PROGRAM_DIR"));
    for (const QString& suffix : clip_file_suffixes())
        ASSERT_TRUE(QFile::copy(demo.filePath("bus_road" + suffix), folder.filePath("bus_road" + suffix)));
    ASSERT_TRUE(QFile::copy(demo.filePath("cat_sofa.mpg"), folder.filePath("cat_sofa.mpg")));
    for (const QString& list : sequence_file_names())
        write_test_file(folder.filePath(list), "bus_road,vehicles,\"Bus on the road\",6,\"\"\r\n");
    EXPECT_EQ(check_library(folder.path()).join("\n").toStdString(),
              "No clip list names the clip files "
              "cat_sofa.mpg in \""
                  + dir.path().toStdString()
                  + "\" (left by an add that did not finish, or "
                    "copied in by hand); add the video again, or delete them.");

    QFile::resize(folder.filePath("bus_road.mpg"), 20000);
    const QString problems = check_library(folder.path(), {}, {}, folder.path()).join("\n");
    EXPECT_TRUE(
        problems.contains("Clip \"Bus on the road\" (bus_road): the video bus_road.mpg stops after 0.3 of "
                          "its 6.0 seconds"))
        << problems.toStdString();
    EXPECT_TRUE(problems.contains("aobj_tv.jpg is missing")) << problems.toStdString();
}

TEST(ClipLibrary, BadInputGetsAPlainMessageAndChangesNothing)
{
    const DemoCopy demo;
    const QDir& folder = demo.folder;
    const QMap<QString, QByteArray>& before = demo.before;
    const QDir work(demo.dir.path());
    const QString video = make_phone_video(work, "fine.mp4", 25, true, 1);
    write_test_file(work.filePath("notes.mp4"), "Shopping list: milk, bread\n");
    QProcess::execute(
        "ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "sine", "-t", "1", work.filePath("tone.wav")});

    const struct {
        const char* what;
        NewClip clip;
        const char* says;
    } cases[] = {
        {"not a video", {work.filePath("notes.mp4"), "Notes", "food", {}, {}, {}}, "not a video"},
        {"sound only", {work.filePath("tone.wav"), "Tone", "food", {}, {}, {}}, "no pictures"},
        {"missing", {work.filePath("gone.mp4"), "Gone", "food", {}, {}, {}}, "not found"},
        {"empty title", {video, "  ", "food", {}, {}, {}}, "title"},
        {"punctuation title", {video, "?!...", "food", {}, {}, {}}, "title"},
        {"unknown category", {video, "Dog", "Animals", {}, {}, {}}, "not one of the categories"},
        // clang-format off
        {"label not a picture", {video, "Dog", "animals", work.filePath("notes.mp4"), {}, {}}, "not a picture"},
        // clang-format on
        {"voice not a sound", {video, "Dog", "animals", {}, work.filePath("notes.mp4"), {}}, "recording"},
        {"trim past the end", {video, "Dog", "animals", {}, {}, {5, 6}}, "The clip cannot start at 0:05"},
    };
    for (const auto& c : cases) {
        const AddedClip added = add_clip(folder.path(), c.clip);
        EXPECT_TRUE(added.name.isEmpty()) << c.what;
        EXPECT_TRUE(added.problem.contains(c.says)) << c.what << ": " << added.problem.toStdString();
        EXPECT_TRUE(folder_contents(folder) == before) << c.what;
    }

    // The disk fills up while the clip is written: files may grow no larger
    // than 16 kB, which the converted video is not.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 16 * 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const AddedClip full = add_clip(folder.path(), {video, "Dog", "animals", {}, {}, {}});
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_TRUE(full.name.isEmpty());
    EXPECT_FALSE(full.problem.isEmpty());
    EXPECT_TRUE(folder_contents(folder) == before);

    if (geteuid() != 0) {  // the superuser may write anywhere
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        const AddedClip readOnly = add_clip(folder.path(), {video, "Dog", "animals", {}, {}, {}});
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_TRUE(readOnly.problem.contains("read-only")) << readOnly.problem.toStdString();
    }
}

}  // namespace
