#pragma once
// One change at a time to a clip folder, across processes: the clip window
// and the command line both hold it while they read and rewrite the clip
// lists, so two adds at once cannot each write a list without the other's
// clip. It is the system's lock on the folder itself, so it leaves no file
// behind and ends with the process that held it, however that ends.

#include <QString>
#include <chrono>
#include <functional>

// Told, in words for the adult, that another change must finish first.
using FolderWait = std::function<void(const QString& message)>;

class FolderLock {
public:
    // Another change takes seconds; waiting longer means it is stuck.
    static constexpr std::chrono::milliseconds Patience{60000};

    // Waits up to `patience` while another process changes the folder,
    // telling `waiting` once if it has to wait at all.
    explicit FolderLock(const QString& folder, const FolderWait& waiting = {},
                        std::chrono::milliseconds patience = Patience);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return problem_.isEmpty(); }
    // "" when held; else a plain message saying nothing was changed.
    const QString& problem() const { return problem_; }

private:
    int fd_ = -1;
    QString problem_;
};
