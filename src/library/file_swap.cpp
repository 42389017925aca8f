#include "library/file_swap.h"

#include <QFile>
#include <QStorageInfo>
#include <filesystem>
#include <unistd.h>

namespace {

// Below this much free space a failed write is taken to be a full disk.
constexpr qint64 NearlyFull = 64LL * 1024 * 1024;

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

QString move_all(const std::vector<std::pair<QString, QString>>& moves)
{
    // A file being replaced is first set aside, so that undoing a half-done
    // set of moves can bring its old bytes back.
    const QString asideSuffix = QStringLiteral(".replaced");
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
        return QString::fromStdString(error.message());
    }
    for (size_t j = 0; j < moves.size(); ++j)
        if (setAside[j])
            QFile::remove(moves[j].second + asideSuffix);
    return {};
}

QString write_failure_message(const QString& folder, const QString& reason)
{
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.bytesAvailable() < NearlyFull)
        return QStringLiteral("There is not enough free space on the disk for the clip. Nothing was "
                              "changed; please make room and try again.");
    return QStringLiteral("The clip's files could not be written in \"%1\" (%2). Nothing was changed.")
        .arg(folder, reason);
}
