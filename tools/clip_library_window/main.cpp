// flickerbox-clip-library: the clip library window for adults.
#include "clip_library_window.h"
#include "window_dialogs.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Flickerbox II clip library"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.flickerbox.Flickerbox.ClipLibrary"));
    // This account's own clips unless a folder (the site library) is named.
    const ClipFolder folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    QtWindowDialogs dialogs;
    ClipLibraryWindow window(folder, dialogs);
    window.show();
    return app.exec();
}
