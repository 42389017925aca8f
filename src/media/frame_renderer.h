#pragma once
// Draws the frames of one libmpv core into images on a thread of its own, so
// the user-interface thread never waits for scaling or colour conversion.
// Finished images are handed to a callback on the render thread; the owner
// passes them on to its own thread.

#include <QImage>
#include <QSize>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

struct mpv_handle;
struct mpv_render_context;

class FrameRenderer {
public:
    // epoch: value of epoch() when the image was begun.
    using Deliver = std::function<void(const QImage& frame, uint64_t epoch)>;

    // Must be created before the core opens its first video.
    FrameRenderer(mpv_handle* core, Deliver deliver);
    // Joins the render thread; the core must still be alive.
    ~FrameRenderer();
    FrameRenderer(const FrameRenderer&) = delete;
    FrameRenderer& operator=(const FrameRenderer&) = delete;

    bool ok() const { return context_ != nullptr; }

    // Size in device pixels of the images to come; the current frame is drawn
    // again at the new size.
    void set_target_size(QSize size);

    // Draws the current frame again.
    void redraw();

    // Images begun before this call are outdated: their epoch differs.
    void discard_pending() { ++epoch_; }
    uint64_t epoch() const { return epoch_; }

private:
    static void on_update(void* self);
    void run();
    QImage render(QSize size);

    mpv_render_context* context_ = nullptr;
    Deliver deliver_;
    std::atomic<uint64_t> epoch_{0};

    std::mutex mutex_;
    std::condition_variable wake_;
    bool updatePending_ = false;
    bool redrawPending_ = false;
    bool quit_ = false;
    QSize size_;
    std::thread thread_;
};
