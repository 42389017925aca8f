// Running the helper programs (ffmpeg, espeak-ng) and failing loudly.
#pragma once

#include <QProcess>
#include <QStringList>

// Runs `program` to the end; throws with its error output if it fails.
void run_tool(const QString& program, const QStringList& args);

// A running helper program that is fed through its standard input.
class ToolPipe {
public:
    ToolPipe(const QString& program, const QStringList& args);
    void write(const QByteArray& data);
    // Closes the input, waits for the end; throws if the program failed.
    void finish();
    // Reads exactly `size` bytes of output; false at the end of the output.
    bool read_exactly(QByteArray& into, qsizetype size);

private:
    QProcess process_;
    QString program_;
};
