#include "state/learner_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSysInfo>
#include <cerrno>
#include <mutex>
#include <csignal>

namespace {

// The learner this run holds; one at a time. The refresh runs on a thread
// of its own, so every use of it is under the mutex, file work included:
// a lock is never refreshed after it was given back.
std::recursive_mutex heldMutex;
struct Held {
    QString folder;
    QString learner;
    bool fromRunning = false;
    std::optional<TakenOver> lost;
};
Held& held()
{
    static Held held;
    return held;
}

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
    holder.token = QString::fromLatin1(lines.value(3).trimmed());
    holder.refreshed = QDateTime::fromString(QString::fromLatin1(lines.value(4).trimmed()), Qt::ISODate);
    holder.written = QFileInfo(file).lastModified();
    return holder;
}

bool is_ours(const LockHolder& holder)
{
    return holder.token == lock_token();
}

bool process_runs(qint64 process)
{
    return process > 0 && (::kill(pid_t(process), 0) == 0 || errno == EPERM);
}

// Within the stale time of now, either way: the holder's clock may run a
// little ahead of ours.
bool recent(const QDateTime& time, const QDateTime& now)
{
    return time.isValid() && qAbs(time.secsTo(now)) < LockStaleSeconds;
}

bool is_live(const LockHolder& holder, const QDateTime& now)
{
    // An older version's lock says nothing of its holder's life but its
    // process, which only this computer can look up.
    if (holder.token.isEmpty())
        return holder.host != QSysInfo::machineHostName() || process_runs(holder.process);
    // The file's time is the file server's where the holder's clock is wrong.
    return recent(holder.refreshed, now) || recent(holder.written, now);
}

QString write_lock(const QString& folder, const QDateTime& since)
{
    const QString path = folder + QLatin1String(LearnerLockFile);
    QSaveFile file(path);
    const QByteArray bytes = QSysInfo::machineHostName().toUtf8() + '\n'
        + QByteArray::number(QCoreApplication::applicationPid()) + '\n'
        + since.toString(Qt::ISODate).toLatin1() + '\n' + lock_token().toLatin1() + '\n'
        + QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toLatin1() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral(
                   "The learner could not be marked as in use here: \"%1\" could not be written (%2).")
            .arg(path, file.errorString());
    return {};
}

}  // namespace

const QString& lock_token()
{
    static const QString token = [] {
        QString text;
        for (int i = 0; i < 4; ++i)
            text += QStringLiteral("%1").arg(QRandomGenerator::system()->generate(), 8, 16, QChar(u'0'));
        return text;
    }();
    return token;
}

QString LockHolder::where() const
{
    const QString on = host.isEmpty() ? QStringLiteral("on another computer")
                                      : QStringLiteral("on the computer \"%1\"").arg(host);
    if (!since.isValid())
        return on;
    return on
        + QStringLiteral(" since %1")
              .arg(QLocale().toString(since.toLocalTime(), QStringLiteral("HH:mm 'on' d MMMM yyyy")));
}

std::optional<LockHolder> other_holder(const QString& folder, const QDateTime& now)
{
    const std::optional<LockHolder> holder = read_lock(folder);
    if (!holder || holder->host.isEmpty() || is_ours(*holder) || !is_live(*holder, now))
        return std::nullopt;
    return holder;
}

QString take_lock(const QString& folder, const QString& learner, bool fromRunning)
{
    const std::lock_guard guard(heldMutex);
    held() = {folder, learner, fromRunning, std::nullopt};
    return write_lock(folder, QDateTime::currentDateTimeUtc());
}

std::optional<LockHolder> refresh_lock(const QString& folder)
{
    const std::lock_guard guard(heldMutex);
    if (held().folder != folder)
        return std::nullopt;
    if (const std::optional<TakenOver> lost = taken_over(folder))
        return lost->holder;
    const std::optional<LockHolder> holder = read_lock(folder);
    // A failed refresh is tried again at the next; the others judge by the last.
    write_lock(folder, holder ? holder->since : QDateTime::currentDateTimeUtc());
    return std::nullopt;
}

bool taken_from_running_holder(const QString& path)
{
    const std::lock_guard guard(heldMutex);
    return held().fromRunning && !held().folder.isEmpty() && path.startsWith(held().folder);
}

void release_lock(const QString& folder)
{
    const std::lock_guard guard(heldMutex);
    if (held().folder == folder)
        held() = {};
    const std::optional<LockHolder> holder = read_lock(folder);
    if (holder && is_ours(*holder))
        QFile::remove(folder + QLatin1String(LearnerLockFile));
}

std::optional<TakenOver> taken_over(const QString& path)
{
    const std::lock_guard guard(heldMutex);
    Held& ours = held();
    if (ours.folder.isEmpty() || !path.startsWith(ours.folder))
        return std::nullopt;
    if (ours.lost)
        return ours.lost;
    const std::optional<LockHolder> holder = read_lock(ours.folder);
    if (holder && is_ours(*holder))
        return std::nullopt;
    // Gone with no other holder (deleted by hand, or with the folder): no
    // one else writes here, and it is ours again.
    if (!holder) {
        write_lock(ours.folder, QDateTime::currentDateTimeUtc());
        return std::nullopt;
    }
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    ours.lost = TakenOver{ours.learner, ours.folder, *holder,
                          ours.folder + QStringLiteral("Not saved here - taken over %1/").arg(stamp)};
    return ours.lost;
}

QString TakenOver::text() const
{
    const QString who = learner.isEmpty() ? QStringLiteral("this learner")
                                          : QStringLiteral("the learner \"%1\"").arg(learner);
    return QStringLiteral("Another computer took over %1: they are now in use %2. This computer no longer "
                          "saves anything for them, so nothing of the other computer's is overwritten. "
                          "What was not saved here is kept in \"%3\".")
        .arg(who, holder.where(), QDir::toNativeSeparators(keptAside));
}
