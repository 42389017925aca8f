#include "app/startup.h"

#include "app/banner_window.h"
#include "app/colour_depth.h"
#include "app/credits_window.h"
#include "app/developer_options.h"
#include "app/full_screen.h"
#include "app/memory_use.h"
#include "state/folders.h"
#include "state/globvars.h"
#include "state/settings.h"
#include "media/dialogs.h"
#include "media/monotonic_clock.h"
#include "media/mpv_player.h"
#include "media/version_name.h"
#include "media/mpv_sound_output.h"
#include "media/sound.h"
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
void showCredits(Banner* banner)
{
    banner->deleteLater();
    auto* credits = new CreditsWindow;
    QObject::connect(credits, &CreditsWindow::quitRequested, qApp, &QApplication::quit);
    show_full_screen(*credits);
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
    // Every frame of an animation must reach the screen while the playback
    // run keeps the event loop busy; a Wayland compositor may hold such frames
    // back, so run under XWayland unless the user chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
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

    const SettingsLoadReport loaded = LoadSettings(globvars, folders.writable);
    apply_folders(globvars, folders, files);
    MpvSoundOutput sound;
    const SteadyClock clock;
    PlatformAdapterPorts adapters(clock, find_serial_ports);
    const DeveloperOptions developer = developer_options(app.arguments());
    const std::unique_ptr<VersionQuery> version = version_query(developer);
    std::optional<TurnLines> responseLog;
    if (!developer.responseLog.isEmpty())
        responseLog.emplace(append_to_file(developer.responseLog));

    Services services{dialogs, sound, *version, clock, adapters, files,
                      [](QWidget* container) { return std::make_unique<MpvPlayer>(container); }};
    if (responseLog)
        services.observers.push_back(&*responseLog);
    auto* banner = new Banner(globvars, services);
    QObject::connect(banner, &Banner::programEnding, banner, [banner] { showCredits(banner); });
    show_full_screen(*banner);
    if (!loaded.message.isEmpty())
        QTimer::singleShot(0, &app, [&dialogs, message = loaded.message] {
            dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Warning, message);
        });

    return app.exec();
}
