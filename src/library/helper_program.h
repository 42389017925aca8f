#pragma once
// Running ffmpeg, ffprobe and espeak-ng to the end, with their output kept
// for the caller and their complaints turned into one readable line.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

struct HelperResult {
    bool ok = false;
    QByteArray output;  // standard output
    QByteArray log;     // standard error: messages and reports such as loudness figures
    QString problem;    // "" when ok; else the helper's last line of complaint
};

// onLine, when given, receives each line of standard output as it arrives
// (ffmpeg's -progress report), and output is then left empty.
HelperResult run_helper(const QString& program, const QStringList& args,
                        const std::function<void(const QByteArray&)>& onLine = {});
