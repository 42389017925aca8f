#include "library/folder_lock.h"

#include "media/event_loop_pause.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FolderLock::FolderLock(const QString& folder, const FolderWait& waiting, std::chrono::milliseconds patience)
{
    fd_ = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) {
        problem_ = QStringLiteral("The folder \"%1\" could not be opened (%2). Nothing was changed.")
                       .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    bool told = false;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        // A file system without locks (some network shares) is changed as before.
        if (errno != EWOULDBLOCK && errno != EINTR)
            return;
        if (std::chrono::steady_clock::now() >= giveUp) {
            problem_ = QStringLiteral("Another program has been changing the clips in \"%1\" for too long. "
                                      "Nothing was changed; please close the other clip tools and try again.")
                           .arg(folder);
            return;
        }
        if (!told && waiting)
            waiting(QStringLiteral("Another clip is being added to or removed from \"%1\"; waiting for it to "
                                   "finish…")
                        .arg(folder));
        told = true;
        pause_in_event_loop(100);
    }
}

FolderLock::~FolderLock()
{
    if (fd_ >= 0)
        ::close(fd_);  // closing lets the lock go
}
