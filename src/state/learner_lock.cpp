#include "state/learner_lock.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QSysInfo>
#include <cerrno>
#include <csignal>

namespace {

std::optional<LockHolder> read_lock(const QString& folder)
{
    QFile file(folder + QLatin1String(LearnerLockFile));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = file.read(1024).split('\n');
    LockHolder holder;
    holder.host = QString::fromUtf8(lines.value(0)).trimmed();
    holder.process = lines.value(1).trimmed().toLongLong();
    holder.since = QDateTime::fromString(QString::fromLatin1(lines.value(2).trimmed()), Qt::ISODate);
    return holder;
}

bool is_this_computer(const LockHolder& holder)
{
    return holder.host == QSysInfo::machineHostName();
}

bool process_runs(qint64 process)
{
    return process > 0 && (::kill(pid_t(process), 0) == 0 || errno == EPERM);
}

}  // namespace

QString LockHolder::where() const
{
    return QStringLiteral("on the computer \"%1\" since %2")
        .arg(host, QLocale().toString(since.toLocalTime(), QStringLiteral("HH:mm 'on' d MMMM yyyy")));
}

std::optional<LockHolder> other_holder(const QString& folder)
{
    const std::optional<LockHolder> holder = read_lock(folder);
    if (!holder || holder->host.isEmpty())
        return std::nullopt;
    if (is_this_computer(*holder)
        && (holder->process == QCoreApplication::applicationPid() || !process_runs(holder->process)))
        return std::nullopt;
    return holder;
}

QString take_lock(const QString& folder)
{
    const QString path = folder + QLatin1String(LearnerLockFile);
    QSaveFile file(path);
    const QByteArray bytes = QSysInfo::machineHostName().toUtf8() + '\n'
        + QByteArray::number(QCoreApplication::applicationPid()) + '\n'
        + QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toLatin1() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral(
                   "The learner could not be marked as in use here: \"%1\" could not be written (%2).")
            .arg(path, file.errorString());
    return {};
}

void release_lock(const QString& folder)
{
    const std::optional<LockHolder> holder = read_lock(folder);
    if (holder && is_this_computer(*holder) && holder->process == QCoreApplication::applicationPid())
        QFile::remove(folder + QLatin1String(LearnerLockFile));
}
