// flickerbox-clip-library: the clip library window for adults.
#include "clip_library_window.h"
#include "learner_chooser.h"
#include "window_dialogs.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Flickerbox II clip library"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.flickerbox.Flickerbox.ClipLibrary"));
    // This account's own clips unless a folder (the site library) or a learner is named.
    const std::optional<ClipFolder> folder = choose_window_clip_folder(app.arguments());
    if (!folder)
        return 1;
    QtWindowDialogs dialogs;
    ClipLibraryWindow window(*folder, dialogs);
    window.show();
    return app.exec();
}
