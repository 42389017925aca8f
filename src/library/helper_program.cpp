#include "library/helper_program.h"

#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

QString last_line(const QByteArray& text)
{
    const QList<QByteArray> lines = text.trimmed().split('\n');
    return QString::fromLocal8Bit(lines.isEmpty() ? QByteArray() : lines.last().trimmed());
}

HelperResult not_started(const QString& program)
{
    HelperResult result;
    result.problem = QStringLiteral("%1 is not installed on this computer.").arg(program);
    return result;
}

// The program has ended: its complaints, and whether it succeeded.
void read_ending(QProcess& process, const QString& program, HelperResult& result)
{
    result.log = process.readAllStandardError();
    result.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!result.ok)
        result.problem = last_line(result.log);
    if (!result.ok && result.problem.isEmpty())
        result.problem = QStringLiteral("%1 stopped unexpectedly").arg(program);
}

}  // namespace

QString media_file_argument(const QString& path)
{
    return QStringLiteral("file:") + plain_file_argument(path);
}

QString plain_file_argument(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

void end_with_this_process(QProcess& process)
{
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)  // the tool died before the request took hold
            ::_exit(1);
    });
}

HelperResult run_helper(const QString& program, const QStringList& args,
                        const std::function<void(const QByteArray&)>& onLine)
{
    QProcess process;
    end_with_this_process(process);
    process.start(program, args);
    if (!process.waitForStarted(-1))
        return not_started(program);
    HelperResult result;
    process.closeWriteChannel();
    QByteArray pending;
    while (process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(200);
        if (!onLine) {
            result.output += process.readAllStandardOutput();
            continue;
        }
        pending += process.readAllStandardOutput();
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            onLine(pending.left(end).trimmed());
            pending.remove(0, end + 1);
        }
    }
    if (!onLine)
        result.output += process.readAllStandardOutput();
    read_ending(process, program, result);
    return result;
}

HelperPipe::HelperPipe(const QString& program, const QStringList& args)
    : program_(program)
{
    process_.start(program, args);
    started_ = process_.waitForStarted(-1);
}

bool HelperPipe::write(const QByteArray& data)
{
    if (!started_)
        return false;
    process_.write(data);
    while (process_.bytesToWrite() > 0)
        if (!process_.waitForBytesWritten(-1))
            return false;
    return true;
}

bool HelperPipe::read_exactly(QByteArray& into, qsizetype size)
{
    into.clear();
    while (started_ && into.size() < size) {
        if (process_.bytesAvailable() == 0 && !process_.waitForReadyRead(-1))
            return false;
        into.append(process_.read(size - into.size()));
    }
    return started_;
}

HelperResult HelperPipe::finish()
{
    if (!started_)
        return not_started(program_);
    process_.closeWriteChannel();
    process_.waitForFinished(-1);
    HelperResult result;
    read_ending(process_, program_, result);
    return result;
}
