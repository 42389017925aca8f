#include "test_videos.h"

#include "library/clip_library.h"
#include "library/sequence_lines.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <stdexcept>

QString make_phone_video(const QDir& into, const QString& name, double fps, bool sound, double seconds)
{
    const QString path = into.filePath(name);
    QStringList args = {
        "-v", "error", "-y", "-f", "lavfi", "-i", QString("testsrc2=size=180x320:rate=%1").arg(fps)};
    if (sound)
        args << "-f"
             << "lavfi"
             << "-i"
             << "sine=frequency=440:sample_rate=48000";
    args << "-t" << QString::number(seconds) << "-c:v"
         << "libx264"
         << "-preset"
         << "ultrafast"
         << "-pix_fmt"
         << "yuv420p";
    if (sound)
        args << "-c:a"
             << "aac";
    args << path;
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", args);
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        throw std::runtime_error("ffmpeg could not make a test video");
    return path;
}

QMap<QString, QByteArray> folder_contents(const QDir& folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator it(folder.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        contents.insert(folder.relativeFilePath(file.fileName()), file.readAll());
    }
    return contents;
}

void copy_demo_sequence_files(const QDir& into)
{
    const QDir demo(qEnvironmentVariable("FLICKERBOX_PROGRAM_DIR"));
    for (const QString& name : sequence_file_names())
        if (!QFile::copy(demo.filePath(name), into.filePath(name)))
            throw std::runtime_error("the demo library has not been built");
}

void write_clip_lists(const QDir& into, const QStringList& names)
{
    QByteArray records;
    for (const QString& name : names)
        records += sequence_record(name, "animals", name + " title", 3);
    for (const QString& file : sequence_file_names()) {
        QFile out(into.filePath(file));
        if (!out.open(QIODevice::WriteOnly) || out.write(records) != records.size())
            throw std::runtime_error("a clip list could not be written");
    }
}
