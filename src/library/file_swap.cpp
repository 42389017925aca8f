#include "library/file_swap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <filesystem>
#include <unistd.h>

namespace {

// Below this much free space a failed write is taken to be a full disk: it
// is measured while the part written is still there, so it is near nothing.
constexpr qint64 NearlyFull = 4LL * 1024 * 1024;

bool rename_over(const QString& from, const QString& to, std::error_code& error)
{
    std::filesystem::rename(from.toStdString(), to.toStdString(), error);
    return !error;
}

}  // namespace

QString write_durably(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush())
        return file.errorString();
    if (::fsync(file.handle()) != 0)
        return QStringLiteral("the disk did not accept the data");
    return {};
}

QString move_all(const std::vector<std::pair<QString, QString>>& moves, const QString& journal)
{
    // A file being replaced is first set aside, so that undoing a half-done
    // set of moves can bring its old bytes back. The journal says which
    // destinations had a file to set aside ("=") and which are new ("+").
    QByteArray planned;
    for (const auto& [from, to] : moves)
        planned += (QFile::exists(to) ? "= " : "+ ") + QFileInfo(to).fileName().toUtf8() + '\n';
    const QString unplanned = write_durably(journal, planned);
    if (!unplanned.isEmpty()) {
        QFile::remove(journal);
        return unplanned;
    }
    const QString asideSuffix = QLatin1String(SetAsideSuffix);
    std::vector<bool> setAside;
    std::error_code error;
    size_t done = 0;
    for (; done < moves.size(); ++done) {
        const auto& [from, to] = moves[done];
        const bool existed = QFile::exists(to);
        if (existed && !rename_over(to, to + asideSuffix, error))
            break;
        setAside.push_back(existed);
        if (!rename_over(from, to, error)) {
            std::error_code ignored;
            if (existed)
                rename_over(to + asideSuffix, to, ignored);
            setAside.pop_back();
            break;
        }
    }
    std::error_code ignored;
    if (done < moves.size()) {
        for (size_t j = done; j-- > 0;) {
            rename_over(moves[j].second, moves[j].first, ignored);
            if (setAside[j])
                rename_over(moves[j].second + asideSuffix, moves[j].second, ignored);
        }
        QFile::remove(journal);
        return QString::fromStdString(error.message());
    }
    // Without its journal the change counts as made; the old files set aside
    // are then only left-overs.
    QFile::remove(journal);
    for (size_t j = 0; j < moves.size(); ++j)
        if (setAside[j])
            QFile::remove(moves[j].second + asideSuffix);
    return {};
}

QStringList undo_unfinished_moves(const QString& journal)
{
    QFile file(journal);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QDir folder = QFileInfo(journal).dir();
    QStringList putBack;
    std::error_code ignored;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QString name =
            QFileInfo(QString::fromUtf8(line.mid(2))).fileName();  // never outside the folder
        if (name.isEmpty())
            continue;
        const QString path = folder.filePath(name);
        if (line.startsWith("= ") && QFile::exists(path + QLatin1String(SetAsideSuffix))) {
            if (rename_over(path + QLatin1String(SetAsideSuffix), path, ignored))
                putBack << name;
        } else if (line.startsWith("+ ")) {
            QFile::remove(path);
        }
    }
    file.close();
    file.remove();
    return putBack;
}

QString disk_full_message(const QString& folder)
{
    return QStringLiteral("The disk is full: there is not enough free space in \"%1\". Nothing was changed; "
                          "please make room (for example by removing clips no longer used) and try again.")
        .arg(folder);
}

bool disk_is_full(const QString& folder)
{
    const QStorageInfo disk(folder);
    return disk.isValid() && disk.bytesAvailable() < NearlyFull;
}

QString write_failure_message(const QString& folder, const QString& reason)
{
    if (disk_is_full(folder))
        return disk_full_message(folder);
    return QStringLiteral("The clip's files could not be written in \"%1\" (%2). Nothing was changed.")
        .arg(folder, reason);
}
