// Generates the program's media and the built-in demo library.
//
//   flickerbox_mediagen <program folder> <notices folder> [clip name...]
//
// With clip names, only those clips are made (for quick previews); the
// program's own media and the sequence files are then left alone.
#include "clip_catalogue.h"
#include "clip_workers.h"
#include "library_builder.h"
#include "notices.h"
#include "sequence_files.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: %s <program folder> <notices folder> [clip name...]\n", argv[0]);
        return 2;
    }
    const QDir folder(args[1]);
    const QStringList only = args.mid(3);
    QElapsedTimer clock;
    clock.start();
    try {
        if (!folder.mkpath("."))
            throw std::runtime_error("cannot create " + folder.path().toStdString());
        if (only.isEmpty()) {
            build_program_media(folder);
            write_notices(QDir(args[2]), folder);
        }
        QList<ClipScene> wanted;
        for (const ClipScene& scene : clip_catalogue())
            if (only.isEmpty() || only.contains(scene.name))
                wanted.append(scene);
        build_clips(wanted, folder, [&](const ClipScene& scene) {
            std::printf("%-18s %6.1f s\n", qPrintable(scene.name), clock.elapsed() / 1000.0);
            std::fflush(stdout);
        });
        if (only.isEmpty())
            write_sequence_files(clip_catalogue(), folder);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "flickerbox_mediagen: %s\n", e.what());
        return 1;
    }
    std::printf("media generated in %.1f s\n", clock.elapsed() / 1000.0);
    return 0;
}
