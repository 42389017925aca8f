// flickerbox-clips: adds, removes, lists and checks the clips of a clip
// folder from a terminal or a script. Exit code 0 only on success.
#include "library/clip_folder.h"
#include "library/learner_clip_folder.h"
#include "library/clip_library.h"
#include "library/library_check.h"
#include "library/video_probe.h"
#include "progress_bar.h"

#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {

enum Exit { Success = 0, Failure = 1, BadUsage = 2 };

void say(const QString& text, FILE* to = stdout)
{
    std::fprintf(to, "%s\n", text.toLocal8Bit().constData());
}

void tell_waiting(const QString& message)
{
    say(message, stderr);
}

// A folder given as the video stands for every file in it, in name order.
QStringList videos_from(const QStringList& arguments)
{
    QStringList videos;
    for (const QString& argument : arguments) {
        if (!QFileInfo(argument).isDir()) {
            videos << argument;
            continue;
        }
        for (const QFileInfo& file : QDir(argument).entryInfoList(QDir::Files, QDir::Name))
            videos << file.filePath();
    }
    return videos;
}

// "grandma_waving-2.mp4" reads as "grandma waving 2".
QString title_from_file_name(const QString& path)
{
    QString title = QFileInfo(path).completeBaseName();
    title.replace(QLatin1Char('_'), QLatin1Char(' ')).replace(QLatin1Char('-'), QLatin1Char(' '));
    return title.simplified();
}

// The time of --from or --to, in seconds (0 when not given); false, with a
// message, when it is not a time.
bool read_time(const QCommandLineParser& options, const QString& option, double& seconds)
{
    seconds = 0;
    if (!options.isSet(option))
        return true;
    const std::optional<double> time = parse_clip_time(options.value(option));
    if (!time) {
        say(QStringLiteral("--%1 \"%2\" is not a time. Write seconds (such as 75) or minutes and seconds "
                           "(such as 1:15).")
                .arg(option, options.value(option)),
            stderr);
        return false;
    }
    seconds = *time;
    return true;
}

// The part of the video to keep: refused before any work when it cannot be a
// clip, and a long video is turned down with the options that choose a part.
bool part_fits(const QString& video, const ClipTrim& trim)
{
    const VideoFacts facts = probe_video(video);
    if (!facts.hasPictures || facts.seconds < ShortestClip)
        return true;  // the add says what is wrong with the file
    const PartCheck part = check_part(trim, facts.seconds);
    if (part.problem.isEmpty())
        return true;
    say(QFileInfo(video).fileName() + ": " + part.problem, stderr);
    if (part.tooLong)
        say(QStringLiteral("Give the part with --from and --to (seconds or minutes:seconds), "
                           "for example --from 0:10 --to 0:25."),
            stderr);
    return false;
}

int add(const QCommandLineParser& options, const ClipFolder& folder, const QStringList& arguments)
{
    const QStringList videos = videos_from(arguments);
    if (videos.isEmpty() || options.value("category").isEmpty()
        || (videos.size() == 1 && options.value("title").isEmpty())) {
        say("add needs --title, --category and a video (with several videos, --title may be left out: "
            "each file's name becomes its title).",
            stderr);
        return BadUsage;
    }
    ClipTrim trim;
    if (!read_time(options, "from", trim.start) || !read_time(options, "to", trim.end))
        return BadUsage;
    if (options.isSet("to") && trim.end <= trim.start) {
        say("--to must come after --from (or after the start of the video).", stderr);
        return BadUsage;
    }
    const QString unprepared = folder.prepare_for_changes(tell_waiting);
    if (!unprepared.isEmpty()) {
        say(unprepared, stderr);
        return Failure;
    }
    ProgressBar bar;
    int failures = 0;
    for (const QString& video : videos) {
        NewClip clip;
        clip.video = video;
        clip.title = videos.size() == 1 ? options.value("title") : title_from_file_name(video);
        clip.category = options.value("category");
        clip.labelPicture = options.value("label");
        clip.voiceRecording = options.value("voice");
        clip.trim = trim;
        if (!part_fits(video, trim)) {
            ++failures;
            continue;
        }
        const QString file = QFileInfo(video).fileName();
        const AddedClip added = add_clip(
            folder.path(), clip,
            [&](double fraction, const QString& step) { bar.show(fraction, file + ": " + step); },
            [&](const QString& message) {
                bar.finish();
                say(message, stderr);
            });
        bar.finish();
        for (const QString& note : added.notes)
            say(file + ": " + note, stderr);
        if (added.name.isEmpty()) {
            // With several videos, which one each problem is about.
            say(videos.size() > 1 ? file + ": " + added.problem : added.problem, stderr);
            ++failures;
        } else {
            say(added.name);
        }
    }
    say(folder.where_kept(), stderr);
    return failures == 0 ? Success : Failure;
}

int remove(const ClipFolder& folder, const QStringList& names)
{
    if (names.isEmpty()) {
        say("remove needs the name of the clip (see \"list\").", stderr);
        return BadUsage;
    }
    const QString unprepared = folder.prepare_for_changes(tell_waiting);
    if (!unprepared.isEmpty()) {
        say(unprepared, stderr);
        return Failure;
    }
    int failures = 0;
    for (const QString& name : names) {
        const QString problem = remove_clip(folder.path(), name, tell_waiting);
        if (!problem.isEmpty()) {
            say(problem, stderr);
            ++failures;
        }
    }
    return failures == 0 ? Success : Failure;
}

int list(const ClipFolder& folder)
{
    QString problem;
    for (const ListedClip& clip : list_clips(folder.listing_folder(), &problem))
        say(clip.name + '\t' + clip.category + '\t' + clip.title);
    if (!problem.isEmpty())
        say(problem, stderr);
    return problem.isEmpty() ? Success : Failure;
}

int check(const ClipFolder& folder)
{
    ProgressBar bar;
    const QStringList problems = check_library(
        folder.listing_folder(), [&](double f) { bar.show(f, "Checking the clips"); }, folder.more_folders(),
        folder.program_folder());
    bar.finish();
    for (const QString& problem : problems)
        say(problem);
    if (problems.isEmpty())
        say("No problems found.", stderr);
    return problems.isEmpty() ? Success : Failure;
}

}  // namespace

int main(int argc, char* argv[])
{
    // The arguments are read before the application object exists, and it is
    // given none: Qt's platforms claim -title, -display, -geometry, -name and
    // more, with one dash or two, as their own.
    QStringList commandLine;
    for (int i = 0; i < argc; ++i)
        commandLine << QString::fromLocal8Bit(argv[i]);
    // Label cards are drawn with fonts, which need a GUI application but no
    // screen: a terminal without a display (or with a desktop's platform
    // setting) must work alike.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    QCommandLineParser options;
    options.setApplicationDescription("Adds, removes, lists and checks the program's clips.\n"
                                      "  add --title TITLE --category KEY [--from TIME] [--to TIME] [--label "
                                      "PICTURE] [--voice WAV] VIDEO...\n"
                                      "  remove NAME...\n  list\n  check");
    options.addHelpOption();
    options.addOptions({
        {"folder",
         "The clip folder to change, such as the site library for every pupil "
         "(this account's own clips if left out).",
         "DIR"},
        {"learner", "The clips of this learner only (see the learner button in the program's menu window).",
         "NAME"},
        {"title", "The clip's title, as listed and spoken.", "TITLE"},
        {"category",
         "animals, appliances, clothing, food, health, house, jobs, kitchen, outside or vehicles.", "KEY"},
        {"label", "A picture for the label card (otherwise one is drawn from the title).", "PICTURE"},
        {"voice", "A WAV recording of the clip's name (otherwise the title is spoken).", "WAV"},
        {"from", "Where the clip starts in the video: seconds (75) or minutes:seconds (1:15).", "TIME"},
        {"to", "Where the clip ends in the video (its end if left out). A clip lasts at most 2 minutes.",
         "TIME"},
    });
    options.addPositionalArgument("command", "add, remove, list or check");
    if (!options.parse(commandLine)) {
        say(options.errorText(), stderr);
        return BadUsage;
    }
    if (options.isSet("help"))
        options.showHelp(Success);
    QStringList arguments = options.positionalArguments();
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    const ChosenClipFolder chosen = choose_clip_folder(options.value("folder"), options.value("learner"));
    if (!chosen.folder) {
        say(chosen.problem, stderr);
        return BadUsage;
    }
    const ClipFolder& folder = *chosen.folder;
    if (command == "add")
        return add(options, folder, arguments);
    if (command == "remove")
        return remove(folder, arguments);
    if (command == "list")
        return list(folder);
    if (command == "check")
        return check(folder);
    say(options.helpText(), stderr);
    return BadUsage;
}
