#pragma once
// Running ffmpeg, ffprobe and espeak-ng to the end, with their output kept
// for the caller and their complaints turned into one readable line.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

class QProcess;

struct HelperResult {
    bool ok = false;
    QByteArray output;  // standard output
    QByteArray log;  // standard error: messages and reports such as loudness figures
    QString problem;  // "" when ok; else the helper's last line of complaint
};

// A path as an argument that the helper can never read as an option: an
// absolute path, after ffmpeg's "file:" for ffmpeg and ffprobe, which also
// keeps a name such as "concat:x" from being read as another protocol.
QString media_file_argument(const QString& path);
QString plain_file_argument(const QString& path);

// Makes the helper end when this process ends (a killed tool leaves no
// converter running). Call before process.start().
void end_with_this_process(QProcess& process);

// onLine, when given, receives each line of standard output as it arrives
// (ffmpeg's -progress report), and output is then left empty.
HelperResult run_helper(const QString& program, const QStringList& args,
                        const std::function<void(const QByteArray&)>& onLine = {});

// A helper program that runs while its caller feeds its standard input or
// reads its standard output, piece by piece (raw frames to or from ffmpeg).
class HelperPipe {
public:
    HelperPipe(const QString& program, const QStringList& args);
    // Waits until the program has taken the data in, so that little is held
    // in memory; false once it has stopped taking input.
    bool write(const QByteArray& data);
    // Exactly size bytes of standard output; false at the end of the output.
    bool read_exactly(QByteArray& into, qsizetype size);
    // Closes the input and waits for the end; output is left to read_exactly.
    HelperResult finish();

private:
    QProcess process_;
    QString program_;
    bool started_ = false;
};
