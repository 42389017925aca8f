#include "external_tool.h"

#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString& program, QProcess& process)
{
    const QString why = process.error() == QProcess::FailedToStart
        ? "could not be started (is it installed?)"
        : QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    throw std::runtime_error((program + ": " + why).toStdString());
}

}  // namespace

void run_tool(const QString& program, const QStringList& args)
{
    ToolPipe pipe(program, args);
    pipe.finish();
}

ToolPipe::ToolPipe(const QString& program, const QStringList& args) : program_(program)
{
    process_.start(program, args);
    if (!process_.waitForStarted(-1))
        fail(program_, process_);
}

void ToolPipe::write(const QByteArray& data)
{
    process_.write(data);
    // Keep the buffer small: wait for the tool to take in what it was given.
    while (process_.bytesToWrite() > 0)
        if (!process_.waitForBytesWritten(-1))
            fail(program_, process_);
}

void ToolPipe::finish()
{
    process_.closeWriteChannel();
    process_.waitForFinished(-1);
    if (process_.exitStatus() != QProcess::NormalExit || process_.exitCode() != 0)
        fail(program_, process_);
}

bool ToolPipe::read_exactly(QByteArray& into, qsizetype size)
{
    into.clear();
    while (into.size() < size) {
        if (process_.bytesAvailable() == 0 && !process_.waitForReadyRead(-1))
            return false;
        into.append(process_.read(size - into.size()));
    }
    return true;
}
