// flickerbox-clip-library: the clip library window for adults.
#include "clip_library_window.h"
#include "window_dialogs.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Flickerbox II clip library"));
    // The clips live beside the program, where it reads them.
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QApplication::applicationDirPath();
    QtWindowDialogs dialogs;
    ClipLibraryWindow window(folder, dialogs);
    window.show();
    return app.exec();
}
