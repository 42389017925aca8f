#include "app/startup.h"

#include "app/banner_window.h"
#include "app/colour_depth.h"
#include "app/credits_window.h"
#include "app/developer_options.h"
#include "app/learner_option.h"
#include "app/learner_questions.h"
#include "media/full_screen.h"
#include "app/memory_use.h"
#include "library/unfinished_change.h"
#include "app/one_copy.h"
#include "state/folders.h"
#include "state/globvars.h"
#include "state/learners.h"
#include "state/settings.h"
#include "media/dialogs.h"
#include "media/display_platform.h"
#include "media/idle_inhibit.h"
#include "media/kill_time.h"
#include "media/monotonic_clock.h"
#include "media/mpv_player.h"
#include "media/version_name.h"
#include "media/mpv_sound_output.h"
#include "media/sound.h"
#include "playback/calibration_bounds.h"
#include "playback/turn_lines.h"
#include "switch/platform_adapter_ports.h"
#include "switch/serial_port_order.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>
#include <clocale>
#include <optional>

namespace {

// Hands over from the menu window to the credits window, whose "Quit" ends the run.
void show_credits(Banner* banner)
{
    banner->deleteLater();
    auto* credits = new CreditsWindow;
    QObject::connect(credits, &CreditsWindow::quit_requested, qApp, &QApplication::quit);
    show_full_screen(*credits, banner->screen());
}

std::unique_ptr<VersionQuery> version_query(const DeveloperOptions& developer)
{
    if (developer.windowsVersion)
        return std::make_unique<ReportedVersionQuery>(*developer.windowsVersion);
    return std::make_unique<PlatformVersionQuery>();
}

}  // namespace

int flickerbox_main(int argc, char** argv)
{
    return_large_buffers_to_the_system();
    choose_display_platform();
    QApplication app(argc, argv);
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.flickerbox.Flickerbox"));
    std::setlocale(LC_NUMERIC, "C");  // number parsing and libmpv need the C numeric locale
    // The windows hand over to each other (menu, playback, credits); the run
    // ends only through the credits window.
    app.setQuitOnLastWindowClosed(false);

    DiskFolderFileSystem files;
    const Folders folders = folders_of_this_process(files);
    QDir::setCurrent(folders.base);

    QtDialogs dialogs;
    if (!check_colour_depth(app.primaryScreen()->depth(), dialogs))
        return 1;
    OneCopyPerFolder one_copy(folders.writable);
    if (!one_copy.claim(dialogs))
        return 0;

    Learners learners(folders);
    const LearnerArgument asked = learner_argument(app.arguments());
    const QString learnerMessage = (asked.problem + u'\n' + learners.start(asked.name)).trimmed();
    if (!learnerMessage.isEmpty())
        qWarning("%s", qPrintable(learnerMessage));
    SettingsLoadReport loaded = LoadSettings(globvars, learners.settings_folder());
    discard_overlong_calibration(globvars, kill_time_seconds_per_pass(),
                                 learners.settings_folder() + SettingsFileName, loaded);
    // A clip list set aside by a killed clip tool would otherwise be missed
    // and the clips taken from the next folder.
    undo_unfinished_changes(learners.folders().clip_search_order());
    apply_folders(globvars, learners.folders(), files);
    MpvSoundOutput sound;
    const SteadyClock clock;
    PlatformAdapterPorts adapters(clock, find_serial_ports);
    const DeveloperOptions developer = developer_options(app.arguments());
    const std::unique_ptr<VersionQuery> version = version_query(developer);
    std::optional<TurnLines> responseLog;
    if (!developer.responseLog.isEmpty())
        responseLog.emplace(append_to_file(developer.responseLog));

    Services services{dialogs, sound, *version, clock, adapters, files, [](QWidget* container) {
                          return std::make_unique<MpvPlayer>(container);
                      }};
    if (responseLog)
        services.observers.push_back(&*responseLog);
    auto* banner = new Banner(globvars, services);
    QObject::connect(banner, &Banner::program_ending, banner, [banner] { show_credits(banner); });
    QtLearnerQuestions learner_questions(banner);
    banner->set_learners(learners, learner_questions);
    DesktopIdleInhibitor idle(QStringLiteral("A learner's session is under way"));
    banner->keep_awake_with(idle);
    // The monitor the desktop calls primary, not whichever lies top left.
    show_full_screen(*banner, app.primaryScreen());
    if (!learnerMessage.isEmpty())
        QTimer::singleShot(0, &app, [&dialogs, learnerMessage] {
            dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Information, learnerMessage);
        });
    if (!loaded.message.isEmpty())
        QTimer::singleShot(0, &app, [&dialogs, message = loaded.message] {
            dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Warning, message);
        });

    // Without a working player every clip would be left out: the adult hears
    // why before choosing "Play Movies".
    if (const QString problem = video_player_start_problem(); !problem.isEmpty())
        QTimer::singleShot(0, &app, [&dialogs, problem] {
            dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Warning, problem);
        });

    return app.exec();
}
