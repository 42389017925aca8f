#include "clip_workers.h"

#include "library_builder.h"

#include <QThread>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

void build_clips(const QList<ClipScene>& scenes, const QDir& folder,
                 const std::function<void(const ClipScene&)>& finished)
{
    std::atomic<qsizetype> next = 0;
    std::mutex lock;
    std::exception_ptr failure;
    auto work = [&] {
        for (qsizetype i = next++; i < scenes.size(); i = next++) {
            try {
                build_clip(scenes[i], folder);
                const std::lock_guard guard(lock);
                finished(scenes[i]);
            } catch (...) {
                const std::lock_guard guard(lock);
                if (!failure)
                    failure = std::current_exception();
                next = scenes.size();  // start nothing new
            }
        }
    };
    const int count = std::clamp(QThread::idealThreadCount(), 1, int(scenes.size()));
    std::vector<std::thread> workers;
    for (int i = 0; i < count; ++i)
        workers.emplace_back(work);
    for (std::thread& w : workers)
        w.join();
    if (failure)
        std::rethrow_exception(failure);
}
